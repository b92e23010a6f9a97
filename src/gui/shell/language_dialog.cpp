#include "gui/shell/language_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/shell/lang.h"

namespace vexilor::gui {

LanguageDialog::LanguageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form0"));
  setWindowTitle(QStringLiteral("Language of interface"));
  // A small fixed window whose only title-bar button is the close box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  auto* question = new QLabel(
      QStringLiteral("     Choose language of interface       (Выберите язык интерфейса)"), this);
  question->setObjectName(QStringLiteral("Label1"));
  question->setAlignment(Qt::AlignCenter);
  question->setWordWrap(true);

  auto* english = new QPushButton(QStringLiteral("En"), this);
  english->setObjectName(QStringLiteral("Button1"));
  auto* russian = new QPushButton(QStringLiteral("Ru"), this);
  russian->setObjectName(QStringLiteral("Button2"));
  connect(english, &QPushButton::clicked, this, [this] {
    chosen_ = 1;
    accept();
  });
  connect(russian, &QPushButton::clicked, this, [this] {
    chosen_ = 2;
    accept();
  });

  auto* contact =
      new QLabel(QStringLiteral("Vexilor: design and check of rectification columns\n"
                                "Questions and suggestions: support@vexilor.example.org"),
                 this);
  contact->setObjectName(QStringLiteral("Label2"));
  contact->setAlignment(Qt::AlignCenter);
  QFont small = contact->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  contact->setFont(small);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(english);
  buttons->addSpacing(24);
  buttons->addWidget(russian);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question);
  layout->addLayout(buttons);
  layout->addWidget(contact);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AskLanguageOfInterface() {
  LanguageDialog dialog;
  dialog.exec();
  Lang = dialog.ChosenLang();
}

}  // namespace vexilor::gui
