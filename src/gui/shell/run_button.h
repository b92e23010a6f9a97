// What the Run button does: one rectification run in the main window.
#pragma once

namespace vexilor {
class ResultsStore;
}

namespace vexilor::gui {

class MainWindow;

//! Makes the Run button start a rectification run on the window's results
//! text, its questions asked through the installed user dialog, on the
//! user-interface thread. A run that ends with a solution hands its copy to
//! the window for the result commands; store keeps it when the user agrees
//! (nullptr: nothing is stored).
void ConnectRunButton(MainWindow& window, ResultsStore* store);

}  // namespace vexilor::gui
