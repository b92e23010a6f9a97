// The pictorial window: the column sketch and the tray profiles of one
// calculation, a page at a time, with "Previous" and "Next" at the lower
// right and a command that saves every page as a PNG picture.
#pragma once

#include <QDialog>
#include <QWidget>

#include "render/pictures/page_plan.h"
#include "render/pictures/pictorial_data.h"

class QPushButton;

namespace vexilor::gui {

//! The paint box of the window: draws the page it was last given, again
//! whenever it is exposed.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  //! The page to show; both must outlive the box (the window owns them).
  void SetPage(const render::PictorialData* data, const render::PagePlan* page);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const render::PictorialData* data_ = nullptr;
  const render::PagePlan* page_ = nullptr;
};

//! Window fmGraph. Shown modally by its opener, which fills its data.
class TfmGraph : public QDialog {
  Q_OBJECT

 public:
  explicit TfmGraph(render::PictorialData data, QWidget* owner = nullptr);

  PictureBox* pbRectif() const { return pbRectif_; }
  QPushButton* BtPrev() const { return btPrev_; }
  QPushButton* BtNext() const { return btNext_; }
  QPushButton* BtSavePicture() const { return btSavePicture_; }
  const render::PictorialPages& Pages() const { return pages_; }

  //! Writes every page, as big as the paint box, to PageFileName(path, k).
  //! Reports a failure through the user dialog and returns false.
  bool SavePictureTo(const QString& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BtPrevClick();
  void BtNextClick();
  void SavePictureClick();
  void ShowPage();
  void LayOut();

  render::PictorialData data_;
  render::PictorialPages pages_;
  PictureBox* pbRectif_;
  QPushButton* btPrev_;
  QPushButton* btNext_;
  QPushButton* btSavePicture_;
};

//! Opens the pictorial window for data modally over owner and frees it
//! when it is closed.
void ShowPictorialResults(QWidget* owner, render::PictorialData data);

}  // namespace vexilor::gui
