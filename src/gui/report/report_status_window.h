// The status window of a report: which page is being produced.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace vexilor::gui {

//! Status texts; %p stands for the page number.
inline constexpr char kGeneratingPage[] = "Generating page %p";
inline constexpr char kPrintingPage[] = "Printing page %p";

//! Window "Report Status", shown without blocking while the pages of a
//! report are generated or printed.
class ReportStatusWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ReportStatusWindow(QWidget* parent = nullptr);

  //! Shows the status text with %p replaced by the page number and
  //! repaints at once, as the pages are made without returning to the
  //! event loop.
  void ShowPage(const char* statusText, int page);

  //! Whether ShowPage also lets pending events through (not user input),
  //! so that a window just shown appears. Only where nothing re-enters the
  //! code that paints the pages: not inside a preview's paint request.
  void SetLetEventsThrough(bool letThrough) { letEventsThrough_ = letThrough; }
  QString Text() const;

 private:
  QLabel* label_;
  bool letEventsThrough_ = false;
};

//! Shows a status window, a child of parent, for the lifetime of the scope,
//! also when the output fails. The window is hidden at the end and deleted
//! when control is back in the event loop.
class ReportStatusScope {
 public:
  ReportStatusScope(QWidget* parent, const char* statusText, bool letEventsThrough);
  ~ReportStatusScope();
  ReportStatusScope(const ReportStatusScope&) = delete;
  ReportStatusScope& operator=(const ReportStatusScope&) = delete;

  //! The progress callback of the page painting.
  void operator()(int page) { window_->ShowPage(statusText_, page); }
  ReportStatusWindow& Window() { return *window_; }

 private:
  ReportStatusWindow* window_;
  const char* statusText_;
};

}  // namespace vexilor::gui
