// The download page of the program, opened in the desktop's web browser.
#pragma once

#include <QString>
#include <cstdint>

namespace vexilor::gui {

//! Address of the download page in the language of interface.
QString HomePageAddress(std::uint8_t lang);

//! Starts the desktop's browser (xdg-open) on the address without waiting
//! for it. Returns 0, or the system's error number when the process could
//! not be started.
int OpenInBrowser(const QString& address);

}  // namespace vexilor::gui
