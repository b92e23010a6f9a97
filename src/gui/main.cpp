// The desktop program: the language question, then the main window with
// its dialogs, until the user leaves.
#include <QApplication>
#include <QPrinterInfo>
#include <clocale>

#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "gui/browser/browse_results.h"
#include "gui/dialogs/message_box.h"
#include "gui/graph/show_pictures.h"
#include "gui/report/report_runner.h"
#include "gui/shell/language_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_user_dialog.h"

namespace {

using namespace vexilor;

//! The result commands of the main window and of the database browser:
//! the browser, the pictorial window and the two reports.
void ConnectResultCommands(gui::MainWindow& window, gui::BrowserHandlers& browserHandlers) {
  browserHandlers.ShowPicture = [](QWidget* owner, const store::StoredCalculation& calculation) {
    gui::ShowStoredPictures(owner, calculation);
  };
  browserHandlers.PrintReport = [](QWidget* owner, store::TDM&,
                                   const store::StoredCalculation& calculation) {
    gui::RunStoredReport(owner, calculation);
  };
  window.SetDbBrowseHandler(
      [&window, &browserHandlers] { gui::BrowseResultsDatabase(&window, Lang, browserHandlers); });
  window.SetPictorialFormHandler(
      [&window](const FinishedRun& run) { gui::ShowRunPictures(&window, run); });
  window.SetReportHandler(
      [&window](const FinishedRun& run) { gui::RunCurrentRunReport(&window, run); });
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vexilor;
  QApplication application(argc, argv);
  // Numbers are read and written with a decimal point whatever the user's
  // locale, as the data files and the results texts expect.
  std::setlocale(LC_NUMERIC, "C");

  gui::AskLanguageOfInterface();
  QApplication::setApplicationName(QStringLiteral("Vexilor"));

  gui::MainWindow window;
  gui::QtUserDialog dialog(window);
  DialogScope dialogScope(dialog);

  const bool printerInstalled = !QPrinterInfo::availablePrinters().isEmpty();
  if (!printerInstalled) {
    // The answer changes nothing: printing then goes into a PDF file.
    gui::ShowMessageBox(nullptr, MessageKind::Error, ButtonSet::YesNo,
                        std::string(ByLang("For normal operation of the program on your\r\n"
                                           "computer the printer must be installed",
                                           "Для нормальной работы программы на Вашем\r\n"
                                           "компьютере должен быть установлен принтер")));
  }
  window.SetPrinterAvailable(printerInstalled);
  gui::BrowserHandlers browserHandlers;
  ConnectResultCommands(window, browserHandlers);

  QObject::connect(&window, &gui::MainWindow::TerminateRequested, &application,
                   &QCoreApplication::quit, Qt::QueuedConnection);
  window.show();
  return application.exec();
}
