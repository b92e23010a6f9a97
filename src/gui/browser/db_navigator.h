// The browser's navigator: buttons that move through, edit and refresh
// the table of the grid it is bound to.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

class QToolButton;

namespace vexilor::gui {

class ResultsGrid;

class TDBNavigator : public QWidget {
  Q_OBJECT

 public:
  enum class Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
  static constexpr int kButtonCount = 10;

  //! lang: language of the button hints (1 English, otherwise Russian).
  TDBNavigator(std::uint8_t lang, QWidget* parent);

  //! Binds the navigator to a grid's table: all ten buttons, or only
  //! first, prior, next, last and refresh.
  void Bind(ResultsGrid* grid, bool allButtons);
  ResultsGrid* Grid() const { return grid_; }
  QToolButton* ButtonOf(Button button) const;
  //! Runs a button's action, as a click does.
  void Press(Button button);

 signals:
  //! Delete was pressed; the owner confirms and deletes the current row.
  void DeleteRequested();

 private:
  void UpdateButtons();

  std::array<QToolButton*, kButtonCount> buttons_{};
  ResultsGrid* grid_ = nullptr;
  bool allButtons_ = true;
  std::vector<QMetaObject::Connection> gridConnections_;
};

}  // namespace vexilor::gui
