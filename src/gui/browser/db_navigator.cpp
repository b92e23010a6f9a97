#include "gui/browser/db_navigator.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "engine/shell/lang.h"
#include "gui/browser/results_grid.h"

namespace vexilor::gui {
namespace {

struct ButtonLook {
  const char* name;
  const char* glyph;
  TextPair hint;
};

const std::array<ButtonLook, TDBNavigator::kButtonCount> kLooks = {{
    {"First", "|\u25C0", {"First record", "Первая запись"}},
    {"Prior", "\u25C0", {"Prior record", "Предыдущая запись"}},
    {"Next", "\u25B6", {"Next record", "Следующая запись"}},
    {"Last", "\u25B6|", {"Last record", "Последняя запись"}},
    {"Insert", "+", {"Insert record", "Вставить запись"}},
    {"Delete", "\u2212", {"Delete record", "Удалить запись"}},
    {"Edit", "\u25B2", {"Edit record", "Изменить запись"}},
    {"Post", "\u2714", {"Post edit", "Сохранить изменения"}},
    {"Cancel", "\u2716", {"Cancel edit", "Отменить изменения"}},
    {"Refresh", "\u21BB", {"Refresh data", "Обновить данные"}},
}};

bool InBrowseSet(TDBNavigator::Button button) {
  using B = TDBNavigator::Button;
  return button == B::First || button == B::Prior || button == B::Next || button == B::Last ||
         button == B::Refresh;
}

}  // namespace

TDBNavigator::TDBNavigator(std::uint8_t lang, QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (int i = 0; i < kButtonCount; ++i) {
    const ButtonLook& look = kLooks[static_cast<std::size_t>(i)];
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(look.name));
    button->setText(QString::fromUtf8(look.glyph));
    button->setToolTip(QString::fromUtf8(look.hint(lang).data(), look.hint(lang).size()));
    button->setFixedSize(25, 25);
    connect(button, &QToolButton::clicked, this, [this, i] { Press(static_cast<Button>(i)); });
    layout->addWidget(button);
    buttons_[static_cast<std::size_t>(i)] = button;
  }
}

QToolButton* TDBNavigator::ButtonOf(Button button) const {
  return buttons_[static_cast<std::size_t>(button)];
}

void TDBNavigator::Bind(ResultsGrid* grid, bool allButtons) {
  for (const auto& connection : gridConnections_) disconnect(connection);
  gridConnections_.clear();
  grid_ = grid;
  allButtons_ = allButtons;
  for (int i = 0; i < kButtonCount; ++i) {
    buttons_[static_cast<std::size_t>(i)]->setVisible(allButtons ||
                                                      InBrowseSet(static_cast<Button>(i)));
  }
  if (grid != nullptr) {
    ResultsTableModel* model = grid->Model();
    const auto update = [this] { UpdateButtons(); };
    gridConnections_ = {connect(grid, &ResultsGrid::CurrentRowChanged, this, update),
                        connect(model, &QAbstractItemModel::modelReset, this, update),
                        connect(model, &QAbstractItemModel::rowsInserted, this, update),
                        connect(model, &QAbstractItemModel::rowsRemoved, this, update)};
  }
  UpdateButtons();
}

void TDBNavigator::Press(Button button) {
  if (grid_ == nullptr || ButtonOf(button)->isHidden() || !ButtonOf(button)->isEnabled()) return;
  ResultsTableModel* model = grid_->Model();
  grid_->EndEdit(button != Button::Cancel);
  switch (button) {
    case Button::First:
      grid_->MoveToRow(0);
      break;
    case Button::Prior:
      grid_->MoveToRow(grid_->CurrentRow() - 1);
      break;
    case Button::Next:
      grid_->MoveToRow(grid_->CurrentRow() + 1);
      break;
    case Button::Last:
      model->FetchAll();
      grid_->MoveToRow(model->rowCount() - 1);
      break;
    case Button::Insert: {
      if (!model->Post()) break;
      model->FetchAll();
      const int row = model->rowCount();
      if (!model->insertRow(row)) break;
      // Start in the first column the user can type into (the key is the store's).
      const QModelIndex cell = model->index(row, std::max(grid_->FirstVisibleColumn(), 1));
      grid_->setCurrentIndex(cell);
      grid_->setFocus();
      grid_->edit(cell);
      break;
    }
    case Button::Delete:
      emit DeleteRequested();
      break;
    case Button::Edit:
      grid_->setFocus();
      grid_->edit(grid_->currentIndex());
      break;
    case Button::Post:
      model->Post();
      break;
    case Button::Cancel:
      model->revertAll();
      break;
    case Button::Refresh:
      if (model->Post()) model->select();
      break;
  }
  UpdateButtons();
}

void TDBNavigator::UpdateButtons() {
  const int rows = grid_ != nullptr ? grid_->Model()->rowCount() : 0;
  const int row = grid_ != nullptr ? grid_->CurrentRow() : -1;
  const bool atFirst = row <= 0;
  const bool atLast = row < 0 || (row >= rows - 1 && !grid_->Model()->canFetchMore());
  const auto enable = [this](Button button, bool on) { ButtonOf(button)->setEnabled(on); };
  enable(Button::First, grid_ != nullptr && !atFirst);
  enable(Button::Prior, grid_ != nullptr && !atFirst);
  enable(Button::Next, grid_ != nullptr && !atLast);
  enable(Button::Last, grid_ != nullptr && !atLast);
  enable(Button::Insert, grid_ != nullptr);
  enable(Button::Delete, rows > 0);
  enable(Button::Edit, rows > 0);
  // Post and Cancel stay available: an edit in progress reaches the model
  // only when the click ends it.
  enable(Button::Post, grid_ != nullptr);
  enable(Button::Cancel, grid_ != nullptr);
  enable(Button::Refresh, grid_ != nullptr);
}

}  // namespace vexilor::gui
