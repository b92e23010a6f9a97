#include "gui/report/report_status_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace vexilor::gui {

ReportStatusWindow::ReportStatusWindow(QWidget* parent)
    : QDialog(parent), label_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Report Status"));
  label_->setMinimumWidth(240);
  label_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
}

void ReportStatusWindow::ShowPage(const char* statusText, int page) {
  const QString text =
      QString::fromLatin1(statusText).replace(QStringLiteral("%p"), QString::number(page));
  label_->setText(text);
  if (letEventsThrough_) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaint();
}

QString ReportStatusWindow::Text() const {
  return label_->text();
}

ReportStatusScope::ReportStatusScope(QWidget* parent, const char* statusText, bool letEventsThrough)
    : window_(new ReportStatusWindow(parent)), statusText_(statusText) {
  window_->SetLetEventsThrough(letEventsThrough);
  window_->show();
}

ReportStatusScope::~ReportStatusScope() {
  window_->hide();
  window_->deleteLater();
}

}  // namespace vexilor::gui
