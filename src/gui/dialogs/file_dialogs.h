// The standard open and save file dialogs, asked with the system's
// request (title, filter, default extension, folder, proposed name).
#pragma once

#include <QString>
#include <string>

#include "engine/shell/user_dialog.h"

class QWidget;

namespace vexilor::gui {

//! "Text files|*.txt" (pairs of description and pattern, '|'-separated)
//! as a Qt name filter list "Text files (*.txt)"; ";;" separates pairs.
QString QtNameFilter(const std::string& filter);

//! Runs the open dialog; the absolute name chosen, or empty when cancelled.
QString AskOpenFileName(QWidget* parent, const FileDialogRequest& request);

//! Runs the save dialog, which asks before an existing file is replaced
//! and appends the default extension to a name typed without one. The
//! absolute name chosen, or empty when cancelled.
QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request);

}  // namespace vexilor::gui
