#include "gui/dialogs/number_parsing.h"

#include <gtest/gtest.h>

#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {
namespace {

struct RealCase {
  const char* text;
  std::optional<Real> value;
};

TEST(NumberParsingTest, RealsUseTheDecimalPointWhateverTheLocale) {
  const RealCase cases[] = {
      {"1.5", 1.5L},
      {"-2", -2.0L},
      {"+3", 3.0L},
      {".5", 0.5L},
      {"7.", 7.0L},
      {"6.7", 6.7L},
      {"1e3", 1000.0L},
      {"2.5E-2", 0.025L},
      {"1,5", std::nullopt},
      {"1,5x", std::nullopt},
      {"", std::nullopt},
      {" 1", std::nullopt},
      {"1 000", std::nullopt},
      {"e5", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"1e99999", std::nullopt},
      {"--1", std::nullopt},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(ParseReal(QString::fromLatin1(c.text)), c.value) << c.text;
  }
}

TEST(NumberParsingTest, RealsKeepExtendedPrecision) {
  // 0.1 read as a double and widened would differ in the last bits.
  EXPECT_EQ(*ParseReal(QStringLiteral("0.1")), 0.1L);
}

TEST(NumberParsingTest, BeginningsOfNumbersAreAcceptedWhileTyping) {
  for (const char* text : {"-", "+", ".", "-.", "1", "1.", "1e", "1e-", "2.5E+", "-.5e3", ""}) {
    EXPECT_TRUE(IsRealPrefix(QString::fromLatin1(text))) << text;
  }
  for (const char* text : {"1,", "e", "-e5", "1x", "--", "1e5.", "1.2.", " 1"}) {
    EXPECT_FALSE(IsRealPrefix(QString::fromLatin1(text))) << text;
  }
}

TEST(NumberParsingTest, IntegersAreDecimalWithinThirtyTwoBits) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"12", 12},
      {"-7", -7},
      {"+4", 4},
      {"70000", 70000},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
      {"1.0", std::nullopt},
      {"$1F", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ParseInteger(QString::fromLatin1(text)), value) << text;
  }
}

TEST(NumberParsingTest, SixteenBitFieldsKeepTheLowBits) {
  EXPECT_EQ(Low16Bits(70000), 4464);
  EXPECT_EQ(Low16Bits(65535), 65535);
  EXPECT_EQ(Low16Bits(65536), 0);
  EXPECT_EQ(Low16Bits(-1), 65535);
}

TEST(TextConversionTest, BlanksAndControlCharactersAreTrimmed) {
  EXPECT_EQ(TrimBlanks(QStringLiteral(" \t12\r\n ")), QStringLiteral("12"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("1 2")), QStringLiteral("1 2"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
}

TEST(TextConversionTest, EveryKindOfLineBreakShowsAsOne) {
  EXPECT_EQ(DisplayText("a\r\nb\n\rc\rd\ne"), QStringLiteral("a\nb\nc\nd\ne"));
}

}  // namespace
}  // namespace vexilor::gui
