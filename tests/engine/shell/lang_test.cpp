#include "engine/shell/lang.h"

#include <gtest/gtest.h>

namespace vexilor {
namespace {

TEST(LangTest, EnglishOnlyForFlagOne) {
  constexpr TextPair kRun{"Run", "Пуск"};
  EXPECT_EQ(kRun(1), "Run");
  EXPECT_EQ(kRun(2), "Пуск");
  EXPECT_EQ(kRun(0), "Пуск");  // language dialog closed without a choice
  EXPECT_EQ(kRun(7), "Пуск");
}

TEST(LangTest, ByLangFollowsTheGlobalFlag) {
  const std::uint8_t saved = Lang;
  Lang = 1;
  EXPECT_EQ(ByLang("Exit", "Выход"), "Exit");
  EXPECT_EQ((TextPair{"Exit", "Выход"}.Get()), "Exit");
  Lang = 0;
  EXPECT_EQ(ByLang("Exit", "Выход"), "Выход");
  Lang = saved;
}

}  // namespace
}  // namespace vexilor
