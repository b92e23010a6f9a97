#include "store/display_text.h"

#include <gtest/gtest.h>

namespace vexilor::store {
namespace {

TEST(DisplayTextTest, FlowsConcentrationsAndTemperaturesShowInFixedPoint) {
  for (const char* name : {"RheatStCons", "AConsum", "Aconc_1", "Aconc_7", "Temper", "TLiqCons",
                           "TVapCons", "TXcomp1", "TYcomp7"}) {
    EXPECT_TRUE(ShownInFixedPoint(name)) << name;
  }
  for (const char* name : {"RheatStPres", "RPressure", "RtrayEff", "RM1", "RquantComp", "Aconc_8",
                           "Aconc_", "TXcomp", "TrayNmb", "ATrayNum"}) {
    EXPECT_FALSE(ShownInFixedPoint(name)) << name;
  }
}

TEST(DisplayTextTest, FixedPointHasFourDecimalsInEightCharactersAndEmptyShowsZero) {
  EXPECT_EQ(FixedPointText(3.14159), "  3.1416");
  EXPECT_EQ(FixedPointText(-0.00004), " -0.0000");
  EXPECT_EQ(FixedPointText(123456.789), "123456.7890");  // wider values are not cut
  EXPECT_EQ(FixedPointText(std::nullopt), "  0.0000");
}

}  // namespace
}  // namespace vexilor::store
