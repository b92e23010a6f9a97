// The About window: the program's readme in the language of interface.
#pragma once

#include <QDialog>
#include <cstdint>

class QTextEdit;

namespace vexilor::gui {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog(std::uint8_t lang, QWidget* parent = nullptr);

  //! Loads ReadmeEn.txt (English) or ReadmeRu.txt from the working folder;
  //! a file that cannot be read is reported and the window stays empty.
  void LoadReadme();

 private:
  std::uint8_t lang_;
  QTextEdit* text_;
};

//! Name of the readme file for the language.
const char* ReadmeFileName(std::uint8_t lang);

}  // namespace vexilor::gui
