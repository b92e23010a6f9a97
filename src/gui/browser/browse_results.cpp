#include "gui/browser/browse_results.h"

#include <memory>
#include <optional>

#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "gui/browser/db_browser.h"
#include "gui/graph/show_pictures.h"
#include "gui/report/report_runner.h"
#include "store/store_calculation.h"

namespace vexilor::gui {
namespace {

//! Opens the database and does the work on it under the wait cursor. A
//! failure of either is shown once, after the cursor is back, and gives
//! no database.
std::unique_ptr<store::TDM> OpenDatabase(const QString& path,
                                         const std::function<void(store::TDM&)>& work = {}) {
  std::unique_ptr<store::TDM> dm;
  std::optional<std::string> failure;
  {
    BusyCursor busy;
    try {
      dm = std::make_unique<store::TDM>(path);
      if (work) work(*dm);
    } catch (const store::DatabaseError& error) {
      failure = error.what();
      dm.reset();
    }
  }
  if (failure) Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, *failure);
  return dm;
}

void ShowBrowser(QWidget* owner, std::uint8_t lang, store::TDM& dm,
                 const BrowserHandlers& handlers) {
  TfmDbRect browser(owner, lang, dm);
  ConnectBrowserHandlers(browser, handlers);
  browser.exec();
}

}  // namespace

void ConnectBrowserHandlers(TfmDbRect& browser, const BrowserHandlers& handlers) {
  if (handlers.ShowPicture) {
    QObject::connect(
        &browser, &TfmDbRect::PictorialFormRequested, &browser,
        [&browser, show = handlers.ShowPicture](const store::StoredCalculation& calculation) {
          show(&browser, calculation);
        });
  }
  if (handlers.PrintReport) {
    QObject::connect(
        &browser, &TfmDbRect::ReportRequested, &browser,
        [&browser, print = handlers.PrintReport](const store::StoredCalculation& calculation) {
          print(&browser, browser.DataModule(), calculation);
        });
  }
}

BrowserHandlers StandardBrowserHandlers() {
  BrowserHandlers handlers;
  handlers.ShowPicture = ShowStoredPictures;
  handlers.PrintReport = [](QWidget* owner, store::TDM&,
                            const store::StoredCalculation& calculation) {
    RunStoredReport(owner, calculation);
  };
  return handlers;
}

std::function<void()> DbBrowseCommand(QWidget* owner) {
  return [owner] { BrowseResultsDatabase(owner, Lang, StandardBrowserHandlers()); };
}

void BrowseResultsDatabase(QWidget* owner, std::uint8_t lang, const BrowserHandlers& handlers,
                           const QString& path) {
  if (const auto dm = OpenDatabase(path)) ShowBrowser(owner, lang, *dm, handlers);
}

DatabaseResultsStore::DatabaseResultsStore(QWidget* owner, BrowserHandlers handlers, QString path)
    : owner_(owner), handlers_(std::move(handlers)), path_(std::move(path)) {}

void DatabaseResultsStore::StoreCalculation(const FinishedRun& run) {
  const auto dm =
      OpenDatabase(path_, [&run](store::TDM& opened) { store::StoreCalculation(opened, run); });
  // The browser opens on the newest calculation: the one just stored.
  if (dm) ShowBrowser(owner_, Lang, *dm, handlers_);
}

}  // namespace vexilor::gui
