// Pictures of the main window's commands and of the Run button's lamp.
#pragma once

#include <QIcon>
#include <QString>

namespace vexilor::gui {

enum class FrameIcon {
  Open,
  Save,
  SaveAs,
  Font,
  Print,
  About,
  HomePage,
  DbBrowse,
  Graph,
  Report,
  Stop,
  RunDone,  //!< the lamp after a run that ended with a solution
};

QIcon MakeFrameIcon(FrameIcon icon);

//! The lamp picture of the file in the working folder. A picture twice as
//! wide as it is high holds two images side by side: the normal one and
//! the one of the disabled button. A null icon when the file is missing or
//! unreadable.
QIcon LoadLampPicture(const QString& fileName);

}  // namespace vexilor::gui
