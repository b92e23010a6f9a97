// The question of the language of interface, asked once at start.
#pragma once

#include <QDialog>
#include <cstdint>

namespace vexilor::gui {

class LanguageDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LanguageDialog(QWidget* parent = nullptr);

  //! 1 after "En", 2 after "Ru", 0 when the dialog was closed without a
  //! choice (every text is then Russian).
  std::uint8_t ChosenLang() const { return chosen_; }

 private:
  std::uint8_t chosen_ = 0;
};

//! Shows the language dialog and stores the choice in the global Lang.
void AskLanguageOfInterface();

}  // namespace vexilor::gui
