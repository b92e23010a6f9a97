#include "gui/dialogs/message_box.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Information:
      return QMessageBox::Information;
    case MessageKind::Confirmation:
      return QMessageBox::Question;
    case MessageKind::Plain:
      break;
  }
  return QMessageBox::NoIcon;
}

QString TitleOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return QStringLiteral("Error");
    case MessageKind::Warning:
      return QStringLiteral("Warning");
    case MessageKind::Information:
      return QStringLiteral("Information");
    case MessageKind::Confirmation:
      return QStringLiteral("Confirm");
    case MessageKind::Plain:
      break;
  }
  return QCoreApplication::applicationName();
}

QMessageBox::StandardButtons ButtonsOf(ButtonSet buttons) {
  switch (buttons) {
    case ButtonSet::Ok:
      return QMessageBox::Ok;
    case ButtonSet::Yes:
      return QMessageBox::Yes;
    case ButtonSet::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case ButtonSet::AbortRetry:
      return QMessageBox::Abort | QMessageBox::Retry;
  }
  return QMessageBox::Ok;
}

//! The first button of the set takes Enter, as in the platform's own boxes.
QMessageBox::StandardButton DefaultOf(ButtonSet buttons) {
  switch (buttons) {
    case ButtonSet::Ok:
      return QMessageBox::Ok;
    case ButtonSet::Yes:
    case ButtonSet::YesNo:
      return QMessageBox::Yes;
    case ButtonSet::AbortRetry:
      return QMessageBox::Abort;
  }
  return QMessageBox::Ok;
}

}  // namespace

Answer ShowMessageBox(QWidget* parent, MessageKind kind, ButtonSet buttons,
                      const std::string& text) {
  QMessageBox box(IconOf(kind), TitleOf(kind), DisplayText(text), ButtonsOf(buttons), parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  // Esc and the close box must not count as any visible button: callers
  // tell "closed" from "OK" (a run goes on only when its box was closed
  // with OK). A hidden button takes the escape role.
  QPushButton* closer = box.addButton(QMessageBox::Cancel);
  closer->hide();
  box.setEscapeButton(closer);
  box.setDefaultButton(DefaultOf(buttons));
  box.exec();

  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Abort:
      return Answer::Abort;
    case QMessageBox::Retry:
      return Answer::Retry;
    default:
      return Answer::Closed;
  }
}

}  // namespace vexilor::gui
