#include "gui/shell/language_dialog.h"

#include <gtest/gtest.h>

#include "engine/shell/lang.h"
#include "gui/support/modal_driver.h"

namespace vexilor::gui {
namespace {

TEST(LanguageDialogTest, ButtonsChooseTheLanguageAndTheCloseBoxLeavesRussian) {
  const std::pair<const char*, std::uint8_t> cases[] = {
      {"Button1", 1}, {"Button2", 2}, {nullptr, 0}};
  for (const auto& [button, lang] : cases) {
    Lang = 7;
    testing::ModalDriver driver;
    driver.On<LanguageDialog>([button](LanguageDialog* dialog) {
      EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Language of interface"));
      if (button != nullptr) {
        testing::ClickButton(dialog, button);
      } else {
        dialog->close();
      }
    });
    AskLanguageOfInterface();
    EXPECT_EQ(Lang, lang) << (button != nullptr ? button : "close box");
  }
  Lang = 0;
}

}  // namespace
}  // namespace vexilor::gui
