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
#include "gui/shell/run_button.h"

namespace {

using namespace vexilor;

//! The result commands of the main window: the database browser (whose
//! buttons open the pictorial window and the stored report), the
//! pictorial window and the report of the run.
void ConnectResultCommands(gui::MainWindow& window) {
  window.SetDbBrowseHandler(gui::DbBrowseCommand(&window));
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
  ConnectResultCommands(window);
  // A finished run goes into the results database when the user agrees,
  // and the browser then opens on it.
  gui::DatabaseResultsStore store(&window, gui::StandardBrowserHandlers());
  gui::ConnectRunButton(window, &store);

  QObject::connect(&window, &gui::MainWindow::TerminateRequested, &application,
                   &QCoreApplication::quit, Qt::QueuedConnection);
  window.show();
  return application.exec();
}
