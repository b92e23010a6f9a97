#include "gui/graph/show_pictures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "engine/shell/lang.h"
#include "gui/graph/fm_graph.h"
#include "render/pictures/sample_pictures.h"
#include "store/stored_calculation.h"
#include "support/scripted_dialog.h"

namespace vexilor::gui {
namespace {

// Sets the language of interface for one test.
class LanguageScope {
 public:
  explicit LanguageScope(std::uint8_t lang) : previous_(Lang) { Lang = lang; }
  ~LanguageScope() { Lang = previous_; }

 private:
  std::uint8_t previous_;
};

// What a modal pictorial window showed when it opened; closes it.
struct OpenedWindow {
  bool Seen = false;
  QString Title;
  bool FirstPage = false;
};

void CloseWindowWhenShown(OpenedWindow& opened) {
  QTimer::singleShot(0, [&opened] {
    if (auto* window = qobject_cast<TfmGraph*>(QApplication::activeModalWidget())) {
      opened.Seen = true;
      opened.Title = window->windowTitle();
      opened.FirstPage = window->Pages().Page().FirstPage;
      window->reject();
    }
  });
}

store::StoredCalculation StoredCalculationWith(int compCount) {
  store::StoredCalculation calculation;
  calculation.Init.RquantComp = compCount;
  calculation.Init.RquantTrays = 4;
  calculation.Init.RdimConsum = " kg/sec";
  calculation.Init.RdimConc = "% mass.";
  calculation.Trays.resize(6);
  return calculation;
}

TEST(ShowPicturesTest, AFinishedRunOpensTheWindowInTheLanguageOfInterface) {
  testing::ScriptedDialog dialog;
  DialogScope scope(dialog);
  LanguageScope russian(2);
  OpenedWindow opened;
  CloseWindowWhenShown(opened);
  ShowRunPictures(nullptr, testing::EthanolWaterRun(2));
  EXPECT_TRUE(opened.Seen);
  EXPECT_TRUE(opened.FirstPage);
  EXPECT_EQ(opened.Title, QString::fromUtf8("Результаты расчета в графической форме"));
  EXPECT_TRUE(dialog.Messages.empty());
}

TEST(ShowPicturesTest, AStoredCalculationOpensTheWindowOrIsRefused) {
  const struct {
    int compCount;
    bool opens;
  } cases[] = {{3, true}, {5, false}};
  for (const auto& c : cases) {
    testing::ScriptedDialog dialog;
    DialogScope scope(dialog);
    LanguageScope english(1);
    OpenedWindow opened;
    CloseWindowWhenShown(opened);
    ShowStoredPictures(nullptr, StoredCalculationWith(c.compCount));
    QApplication::processEvents();  // let a timer that found no window expire
    EXPECT_EQ(opened.Seen, c.opens) << c.compCount << " components";
    if (c.opens) {
      EXPECT_TRUE(dialog.Messages.empty());
    } else {
      ASSERT_EQ(dialog.Messages.size(), 1u);
      EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Error);
      EXPECT_EQ(dialog.Messages[0].Text,
                "The calculation holds 5 components; the pictorial form can show four at most.");
    }
  }
}

}  // namespace
}  // namespace vexilor::gui
