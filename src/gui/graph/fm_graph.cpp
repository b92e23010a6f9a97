#include "gui/graph/fm_graph.h"

#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "render/pictures/page_drawing.h"
#include "render/pictures/picture_files.h"

namespace vexilor::gui {
namespace {

constexpr QSize kButtonSize{75, 25};
constexpr int kButtonMargin = 8;
constexpr int kButtonGap = 6;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pbRectif"));
  // The page covers every pixel, so Qt need not clear the box first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPage(const render::PictorialData* data, const render::PagePlan* page) {
  data_ = data;
  page_ = page;
  update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (data_ == nullptr || page_ == nullptr) {
    painter.fillRect(rect(), render::PageBackground());
    return;
  }
  render::DrawPage(painter, size(), *data_, *page_);
}

TfmGraph::TfmGraph(render::PictorialData data, QWidget* owner)
    : QDialog(owner),
      data_(std::move(data)),
      pages_(data_.CompCount),
      pbRectif_(new PictureBox(this)),
      btPrev_(new QPushButton(QStringLiteral("Previous"), this)),
      btNext_(new QPushButton(QStringLiteral("Next"), this)),
      btSavePicture_(new QPushButton(
          render::PictureText(data_.Lang, "Save picture", "Сохранить рисунок"), this)) {
  setObjectName(QStringLiteral("fmGraph"));
  setWindowTitle(render::PictureText(data_.Lang, "Outcomes of calculation in the pictorial form",
                                     "Результаты расчета в графической форме"));
  btPrev_->setObjectName(QStringLiteral("BtPrev"));
  btNext_->setObjectName(QStringLiteral("BtNext"));
  btSavePicture_->setObjectName(QStringLiteral("BtSavePicture"));
  btPrev_->setFixedSize(kButtonSize);
  btNext_->setFixedSize(kButtonSize);
  btSavePicture_->setFixedHeight(kButtonSize.height());
  btSavePicture_->setMinimumWidth(kButtonSize.width());
  btSavePicture_->adjustSize();
  btSavePicture_->setShortcut(QKeySequence::Save);
  // The paint box lies under the buttons, which sit on top of the drawing.
  pbRectif_->lower();

  connect(btPrev_, &QPushButton::clicked, this, &TfmGraph::BtPrevClick);
  connect(btNext_, &QPushButton::clicked, this, &TfmGraph::BtNextClick);
  connect(btSavePicture_, &QPushButton::clicked, this, &TfmGraph::SavePictureClick);

  resize(render::kPictureWindowSize);
  LayOut();
  ShowPage();
}

void TfmGraph::BtPrevClick() {
  pages_.Previous();
  ShowPage();
}

void TfmGraph::BtNextClick() {
  pages_.Next();
  ShowPage();
}

void TfmGraph::ShowPage() {
  btPrev_->setEnabled(pages_.PreviousEnabled());
  btNext_->setEnabled(pages_.NextEnabled());
  pbRectif_->SetPage(&data_, &pages_.Page());
}

void TfmGraph::SavePictureClick() {
  FileDialogRequest request;
  request.Title = std::string(PickText(data_.Lang, "Save picture", "Сохранить рисунок"));
  request.Filter = std::string(PickText(data_.Lang, "PNG pictures|*.png", "Рисунки PNG|*.png"));
  request.DefaultExt = "png";
  const std::string path = Dialog().SaveFileName(request);
  if (path.empty()) return;
  SavePictureTo(QString::fromStdString(path));
}

bool TfmGraph::SavePictureTo(const QString& path) {
  try {
    render::SavePicturePages(data_, path, pbRectif_->size());
    return true;
  } catch (const render::PictureError& error) {
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, error.what());
    return false;
  }
}

void TfmGraph::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayOut();
}

void TfmGraph::LayOut() {
  // The paint box fills the window; the buttons are anchored to its lower
  // right corner: Next rightmost, Previous to its left.
  pbRectif_->setGeometry(rect());
  const int top = height() - kButtonMargin - kButtonSize.height();
  const int nextLeft = width() - kButtonMargin - kButtonSize.width();
  const int prevLeft = nextLeft - kButtonGap - kButtonSize.width();
  btNext_->move(nextLeft, top);
  btPrev_->move(prevLeft, top);
  btSavePicture_->move(prevLeft - kButtonGap - btSavePicture_->width(), top);
}

void ShowPictorialResults(QWidget* owner, render::PictorialData data) {
  TfmGraph window(std::move(data), owner);
  window.exec();
}

}  // namespace vexilor::gui
