// The two ways into the results browser: the main window's "DB Brows"
// command, and storing a run that has just finished (then browsing it).
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "engine/results/finished_run.h"
#include "store/data_module.h"
#include "store/stored_calculation.h"

namespace vexilor::gui {

class TfmDbRect;

//! What the browser's "Pictorial Form" and "Get Report" buttons do; the
//! program wires the pictorial window and the stored-calculation report
//! here. owner is the browser; an empty handler leaves its button idle.
struct BrowserHandlers {
  std::function<void(QWidget* owner, const store::StoredCalculation& calculation)> ShowPicture;
  std::function<void(QWidget* owner, store::TDM& dm, const store::StoredCalculation& calculation)>
      PrintReport;
};

//! Connects the browser's buttons to the handlers.
void ConnectBrowserHandlers(TfmDbRect& browser, const BrowserHandlers& handlers);

//! "Pictorial Form" opens the pictorial window of the calculation and
//! "Get Report" its stored-calculation report, both over the browser.
BrowserHandlers StandardBrowserHandlers();

//! The main window's "DB Brows" command: the browser over DbRectif.db of
//! the working folder, in the language of interface, owned by owner.
std::function<void()> DbBrowseCommand(QWidget* owner);

//! The main window's "DB Brows": opens the database under the wait cursor,
//! then shows the browser modally in the language lang. A database that
//! cannot be opened is reported once through the user dialog.
void BrowseResultsDatabase(QWidget* owner, std::uint8_t lang, const BrowserHandlers& handlers,
                           const QString& path = QString::fromLatin1(store::kDefaultDatabaseFile));

//! Where a finished run goes when the user agrees to store it: the results
//! database, under the wait cursor, all rows or none; then the browser
//! opens modally on the new calculation. A failure is reported once. The
//! desktop program's is DatabaseResultsStore(&window, StandardBrowserHandlers()).
class DatabaseResultsStore : public ResultsStore {
 public:
  DatabaseResultsStore(QWidget* owner, BrowserHandlers handlers,
                       QString path = QString::fromLatin1(store::kDefaultDatabaseFile));

  void StoreCalculation(const FinishedRun& run) override;

 private:
  QWidget* owner_;
  BrowserHandlers handlers_;
  QString path_;
};

}  // namespace vexilor::gui
