// Modal message boxes with the system's types and button sets.
#pragma once

#include <string>

#include "engine/shell/user_dialog.h"

class QWidget;

namespace vexilor::gui {

//! Shows a modal message box over parent and returns the button that
//! closed it; the close box and Esc give Answer::Closed. The title is the
//! box type's ("Error", "Warning", "Information", "Confirm"; a plain box
//! carries the application name).
Answer ShowMessageBox(QWidget* parent, MessageKind kind, ButtonSet buttons,
                      const std::string& text);

}  // namespace vexilor::gui
