#include "gui/dialogs/grid_dialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/shell/lang.h"
#include "gui/dialogs/grid_geometry.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/number_parsing.h"
#include "gui/dialogs/string_grid.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

GridDialog::GridDialog(int baseHeight, int fixedCols, int fixedRows, QWidget* parent)
    : QDialog(parent),
      prompt_(new QLabel(this)),
      grid_(new StringGrid(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      baseHeight_(baseHeight),
      fixedCols_(fixedCols),
      fixedRows_(fixedRows) {
  setObjectName(QStringLiteral("fmStrGr"));
  prompt_->setObjectName(QStringLiteral("lbPrompt"));
  prompt_->setWordWrap(true);
  prompt_->setMinimumWidth(300);
  grid_->setObjectName(QStringLiteral("StringGrid1"));
  ok_->setObjectName(QStringLiteral("btOk"));
  ok_->setDefault(true);
  cancel_->setObjectName(QStringLiteral("btCancel"));
  connect(ok_, &QPushButton::clicked, this, &GridDialog::OkClicked);
  connect(cancel_, &QPushButton::clicked, this, &GridDialog::CancelClicked);
  connect(grid_, &StringGrid::CellTyped, this, &GridDialog::CellTyped);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(grid_, 0, Qt::AlignHCenter);
  layout->addStretch(1);
  layout->addLayout(buttons);
}

void GridDialog::Prepare(const GridRequest& request) {
  lang_ = request.Lang;
  intColumn_ = request.IntColumn;
  intColumn_.resize(static_cast<std::size_t>(request.ColCount), false);
  results_ = GridAnswer{};
  results_.GridReals.assign(static_cast<std::size_t>(request.ColCount),
                            std::vector<Real>(static_cast<std::size_t>(request.RowCount), 0));
  results_.GridInts.assign(
      static_cast<std::size_t>(request.ColCount),
      std::vector<std::uint16_t>(static_cast<std::size_t>(request.RowCount), 0));

  grid_->SetShape(request.ColCount, request.RowCount, fixedCols_, fixedRows_);
  const NumberGridLayout layout =
      LayoutNumberGrid(request.ColCount, request.RowCount, fixedRows_, baseHeight_,
                       grid_->FirstColumnWidth(), kDefaultRowHeight, kDefaultColWidth);
  grid_->setHorizontalScrollBarPolicy(layout.grid.hScroll ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(layout.grid.vScroll ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
  // The vertical scroll bar gets room of its own, so that all four columns
  // stay in view beside it.
  grid_->setFixedSize(layout.grid.width + grid_->FrameExtent() +
                          (layout.grid.vScroll ? grid_->ScrollBarExtent() : 0),
                      layout.grid.height + grid_->FrameExtent());

  for (int col = 0; col < request.ColCount; ++col) {
    for (int row = 0; row < request.RowCount; ++row) {
      const auto c = static_cast<std::size_t>(col);
      const auto r = static_cast<std::size_t>(row);
      const bool given = c < request.CellTexts.size() && r < request.CellTexts[c].size();
      grid_->SetCell(col, row, given ? ToQt(request.CellTexts[c][r]) : QString());
    }
  }
  setWindowTitle(ToQt(request.Caption));
  prompt_->setText(DisplayText(request.Prompt));
  adjustSize();
  resize(width(), std::max(layout.windowHeight, minimumSizeHint().height()));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  if (request.ColCount > fixedCols_ && request.RowCount > fixedRows_) {
    grid_->setCurrentCell(fixedRows_, fixedCols_);
  }
  grid_->setFocus();
}

void GridDialog::CellTyped(int col, int row, const QString& text) {
  if (!AcceptTypedNumber(this, lang_, text)) grid_->ResumeEditing(col, row);
}

void GridDialog::OkClicked() {
  for (int col = fixedCols_; col < grid_->columnCount(); ++col) {
    for (int row = fixedRows_; row < grid_->rowCount(); ++row) {
      const QString text = grid_->Cell(col, row);
      const QString trimmed = TrimBlanks(text);
      if (trimmed.isEmpty()) return;
      const auto c = static_cast<std::size_t>(col);
      const auto r = static_cast<std::size_t>(row);
      bool parsed = false;
      if (intColumn_[c]) {
        if (const auto value = ParseInteger(trimmed)) {
          results_.GridInts[c][r] = Low16Bits(*value);
          parsed = true;
        }
      } else if (const auto value = ParseReal(trimmed)) {
        results_.GridReals[c][r] = *value;
        parsed = true;
      }
      if (!parsed) {
        ReportNumberEntryError(this, lang_, text);
        grid_->setCurrentCell(row, col);
        grid_->SetCell(col, row, QString());
        grid_->ResumeEditing(col, row);
        return;
      }
    }
  }
  results_.Cancelled = false;
  accept();
}

void GridDialog::CancelClicked() {
  results_.Cancelled = true;
  reject();
}

void GridDialog::keyPressEvent(QKeyEvent* event) {
  // Esc is the Cancel button; the close box closes without a verdict.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    CancelClicked();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace vexilor::gui
