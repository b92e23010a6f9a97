#include "gui/shell/about_dialog.h"

#include <QDir>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "engine/shell/lang.h"
#include "gui/dialogs/text_conversion.h"
#include "gui/shell/results_file.h"

namespace vexilor::gui {

const char* ReadmeFileName(std::uint8_t lang) {
  return lang == 1 ? "ReadmeEn.txt" : "ReadmeRu.txt";
}

AboutDialog::AboutDialog(std::uint8_t lang, QWidget* parent)
    : QDialog(parent), lang_(lang), text_(new QTextEdit(this)) {
  setObjectName(QStringLiteral("fmAbProgr"));
  setWindowTitle(ToQt(PickText(lang_, "About program", "О программе")));
  text_->setObjectName(QStringLiteral("RichEdit1"));
  text_->setReadOnly(true);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("btOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  resize(488, 310);
}

void AboutDialog::LoadReadme() {
  const QString path = QDir::current().absoluteFilePath(QString::fromLatin1(ReadmeFileName(lang_)));
  const auto lines = ReadResultsFileOrReport(this, path, lang_);
  if (!lines) return;
  QStringList text;
  for (const std::string& line : *lines) text << ToQt(line);
  text_->setPlainText(text.join(QLatin1Char('\n')));
}

}  // namespace vexilor::gui
