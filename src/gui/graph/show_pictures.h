// The two ways into the pictorial window: the main window's "Pictorial
// form" for the run that has just finished, and the browser's "Pictorial
// Form" for a stored calculation.
#pragma once

class QWidget;

namespace vexilor {
struct FinishedRun;
}
namespace vexilor::store {
struct StoredCalculation;
}

namespace vexilor::gui {

//! Shows the pictures of a finished run modally over owner, with the texts
//! of the language of interface.
void ShowRunPictures(QWidget* owner, const FinishedRun& run);

//! Shows the pictures of a stored calculation modally over owner (the
//! browser), with the texts of the language of interface. A calculation
//! that cannot be drawn is refused with an error message instead.
void ShowStoredPictures(QWidget* owner, const store::StoredCalculation& calculation);

}  // namespace vexilor::gui
