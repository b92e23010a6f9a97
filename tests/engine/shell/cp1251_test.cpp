#include "engine/shell/cp1251.h"

#include <gtest/gtest.h>

namespace vexilor {
namespace {

TEST(Cp1251Test, CyrillicRoundTrip) {
  const std::string russian = "Тепловая нагрузка на дефлегматор Ёё №";
  const std::string bytes = Utf8ToCp1251(russian);
  EXPECT_EQ(bytes.size(), 37u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xD2);  // Т
  EXPECT_EQ(Cp1251ToUtf8(bytes), russian);
}

TEST(Cp1251Test, SpecialCharactersOfTheReport) {
  // The no-break space and the character B3 used in the results text.
  EXPECT_EQ(Utf8ToCp1251("\u00A0"), "\xA0");
  EXPECT_EQ(Utf8ToCp1251("\u0456"), "\xB3");
  EXPECT_EQ(Cp1251ToUtf8("\xB3"), "\u0456");
}

TEST(Cp1251Test, EveryByteRoundTripsExceptTheUnassignedOne) {
  for (int byte = 0; byte < 256; ++byte) {
    if (byte == 0x98) continue;
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << byte;
  }
}

TEST(Cp1251Test, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a\u4E2Db"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("a\xFF"
                         "b"),
            "a?b");
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));  // overlong
  EXPECT_TRUE(IsValidUtf8("Пуск"));
}

TEST(Cp1251Test, CutCountsCharactersNotBytes) {
  EXPECT_EQ(CutToCharacters("комп.1", 4), "комп");
  EXPECT_EQ(CutToCharacters("comp.1", 20), "comp.1");
  EXPECT_EQ(CutToCharacters("абвгдеёжзийклмнопрстуф", 20), "абвгдеёжзийклмнопрст");
  EXPECT_EQ(CutToCharacters("", 3), "");
}

}  // namespace
}  // namespace vexilor
