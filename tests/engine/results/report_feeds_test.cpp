#include "engine/results/report_feeds.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/shell/lang.h"
#include "support/sample_run.h"

namespace vexilor {
namespace {

using testing::EthanolWaterSideDrawRun;
using testing::EthanolWaterSideDrawRunMolar;
using testing::ScopedComponentBase;

bool IsNull(const ReportValue& value) {
  return std::holds_alternative<std::monostate>(value);
}
std::string TextOf(const ReportValue& value) {
  return std::get<std::string>(value);
}
std::int64_t IntegerOf(const ReportValue& value) {
  return std::get<std::int64_t>(value);
}
Real FloatOf(const ReportValue& value) {
  return std::get<Real>(value);
}

//! "Name:type:width" of every declared column, in order.
std::vector<std::string> Declarations(const ReportTable& table) {
  std::vector<std::string> result;
  for (const ReportColumn& column : table.Columns) {
    const char type = column.Type == ReportColumnType::Text      ? 'T'
                      : column.Type == ReportColumnType::Integer ? 'I'
                                                                 : 'F';
    result.push_back(column.Name + ":" + type + ":" + std::to_string(column.Width));
  }
  return result;
}

// The component base holds four records; the run uses the first two of them.
class CurrentRunFeedsTest : public ::testing::Test {
 protected:
  CurrentRunFeedsTest() { Lang = 1; }
  ~CurrentRunFeedsTest() override { Lang = savedLang_; }

  std::vector<ReportTable> Read(const FinishedRun& run) {
    CurrentRunFeeds feeds(run);
    return feeds.ReadAll();
  }

  std::uint8_t savedLang_ = Lang;
  ScopedComponentBase base_{4};
  FinishedRun run_ = EthanolWaterSideDrawRun();
};

TEST_F(CurrentRunFeedsTest, DeclaresTheDocumentedColumnsWithNumberedOnesForEveryBaseRecord) {
  const auto tables = Read(run_);
  ASSERT_EQ(tables.size(), 3u);
  EXPECT_EQ(tables[0].Name, "InitCustomConnect");
  EXPECT_EQ(Declarations(tables[0]),
            (std::vector<std::string>{
                "QuantTrays:I:12", "TrayEff:F:12", "HeatStCons:F:12", "HeatStPres:F:12",
                "HeatKind:T:12", "Pressure:F:12", "Method:T:12", "QuantComp:I:12", "DimConc:T:12",
                "DimConsum:T:12", "Comp1:T:12", "Comp2:T:12", "Comp3:T:12", "Comp4:T:12"}));
  EXPECT_EQ(tables[1].Name, "AddCustomConnection");
  EXPECT_EQ(Declarations(tables[1]),
            (std::vector<std::string>{"Purpose:T:16", "TrayNum:I:4", "Consum:F:6", "Conc_1:F:12",
                                      "Conc_2:F:12", "Conc_3:F:12", "Conc_4:F:12"}));
  EXPECT_EQ(tables[2].Name, "ResultCustomConnection");
  EXPECT_EQ(Declarations(tables[2]),
            (std::vector<std::string>{"TrayNmb:I:4", "Temper:F:6", "LiqCons:F:6", "VapCons:F:6",
                                      "Xcomp_1:F:6", "Ycomp_1:F:6", "Xcomp_2:F:6", "Ycomp_2:F:6",
                                      "Xcomp_3:F:6", "Ycomp_3:F:6", "Xcomp_4:F:6", "Ycomp_4:F:6"}));
}

TEST_F(CurrentRunFeedsTest, HeaderCarriesTheRunAndLeavesComponentsBeyondItNull) {
  const ReportTable header = Read(run_)[0];
  ASSERT_EQ(header.Rows.size(), 1u);
  EXPECT_EQ(IntegerOf(header.Value(0, "QuantTrays")), 8);
  EXPECT_EQ(FloatOf(header.Value(0, "TrayEff")), 1.0L);
  EXPECT_EQ(FloatOf(header.Value(0, "HeatStCons")), run_.SteamFlow * 3600);
  EXPECT_EQ(FloatOf(header.Value(0, "HeatStPres")), 3.0L);
  EXPECT_EQ(TextOf(header.Value(0, "HeatKind")), "live steam");
  EXPECT_NEAR(FloatOf(header.Value(0, "Pressure")), 760.0L, 1e-12L);
  EXPECT_EQ(TextOf(header.Value(0, "Method")), "NRTL");
  EXPECT_EQ(IntegerOf(header.Value(0, "QuantComp")), 2);
  EXPECT_EQ(TextOf(header.Value(0, "DimConc")), "% mass.");
  EXPECT_EQ(TextOf(header.Value(0, "DimConsum")), " kg/sec");
  EXPECT_EQ(TextOf(header.Value(0, "Comp1")), "Ethanol");
  EXPECT_EQ(TextOf(header.Value(0, "Comp2")), "Water");
  EXPECT_TRUE(IsNull(header.Value(0, "Comp3")));
  EXPECT_TRUE(IsNull(header.Value(0, "Comp4")));
}

TEST_F(CurrentRunFeedsTest, StreamRowsListTheFeedsFirstThenTheTakeoffsWithTheirTrayLiquid) {
  const ReportTable streams = Read(run_)[1];
  ASSERT_EQ(streams.Rows.size(), 3u);

  EXPECT_EQ(TextOf(streams.Value(0, "Purpose")), "Feed submission");
  EXPECT_EQ(IntegerOf(streams.Value(0, "TrayNum")), 3);
  EXPECT_EQ(FloatOf(streams.Value(0, "Consum")), 1.0L);
  EXPECT_EQ(FloatOf(streams.Value(0, "Conc_1")), 0.12L * 100);
  EXPECT_EQ(FloatOf(streams.Value(0, "Conc_2")), 0.88L * 100);

  const int takeoffTrays[] = {6, 9};
  for (std::size_t r = 1; r < 3; ++r) {
    SCOPED_TRACE(r);
    const auto tray = static_cast<std::size_t>(takeoffTrays[r - 1]);
    EXPECT_EQ(TextOf(streams.Value(r, "Purpose")), "Select. of fract.");
    EXPECT_EQ(IntegerOf(streams.Value(r, "TrayNum")), takeoffTrays[r - 1]);
    EXPECT_EQ(FloatOf(streams.Value(r, "Consum")), run_.CatchFlow[tray]);
    EXPECT_EQ(FloatOf(streams.Value(r, "Conc_1")), run_.LiqConc[0][tray] * 100);
    EXPECT_EQ(FloatOf(streams.Value(r, "Conc_2")), run_.LiqConc[1][tray] * 100);
  }
  for (std::size_t r = 0; r < 3; ++r) {
    EXPECT_TRUE(IsNull(streams.Value(r, "Conc_3")));
    EXPECT_TRUE(IsNull(streams.Value(r, "Conc_4")));
  }
}

TEST_F(CurrentRunFeedsTest, TrayRowsRunFromTheStillToTheDephlegmator) {
  const ReportTable trays = Read(run_)[2];
  ASSERT_EQ(trays.Rows.size(), 10u);
  for (std::size_t j = 0; j < 10; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(IntegerOf(trays.Value(j, "TrayNmb")), static_cast<std::int64_t>(j));
    EXPECT_EQ(FloatOf(trays.Value(j, "Temper")), (run_.Temp[j] - 1) * 273.15L);
    EXPECT_EQ(FloatOf(trays.Value(j, "LiqCons")), run_.LiqFlow[j]);
    EXPECT_EQ(FloatOf(trays.Value(j, "VapCons")), run_.VapFlow[j]);
    for (std::size_t k = 0; k < 2; ++k) {
      EXPECT_EQ(FloatOf(trays.Value(j, NumberedColumnName("Xcomp_", k))), run_.LiqConc[k][j] * 100);
      EXPECT_EQ(FloatOf(trays.Value(j, NumberedColumnName("Ycomp_", k))), run_.VapConc[k][j] * 100);
    }
    for (const char* absent : {"Xcomp_3", "Ycomp_3", "Xcomp_4", "Ycomp_4"}) {
      EXPECT_TRUE(IsNull(trays.Value(j, absent))) << absent;
    }
  }
  EXPECT_NEAR(FloatOf(trays.Value(0, "Temper")), 99.40L, 1e-12L);
  EXPECT_NEAR(FloatOf(trays.Value(9, "Temper")), 78.30L, 1e-12L);
}

TEST_F(CurrentRunFeedsTest, MolarRunReportsFlowsPerHourAndSteamByTheMolarMassOfWater) {
  const FinishedRun molar = EthanolWaterSideDrawRunMolar();
  const auto tables = Read(molar);
  EXPECT_EQ(FloatOf(tables[0].Value(0, "HeatStCons")), molar.SteamFlow * 18.015L * 3600);
  EXPECT_EQ(TextOf(tables[0].Value(0, "DimConsum")), "kmol/hr");
  EXPECT_EQ(FloatOf(tables[1].Value(0, "Consum")), molar.FeedFlow[3] * 3600);
  EXPECT_EQ(FloatOf(tables[1].Value(2, "Consum")), molar.CatchFlow[9] * 3600);
  EXPECT_EQ(FloatOf(tables[2].Value(4, "LiqCons")), molar.LiqFlow[4] * 3600);
  EXPECT_EQ(FloatOf(tables[2].Value(4, "VapCons")), molar.VapFlow[4] * 3600);
}

TEST_F(CurrentRunFeedsTest, ASecondReportGivesTheSameRowsEvenAfterAnAbandonedOne) {
  CurrentRunFeeds feeds(run_);
  const auto first = feeds.ReadAll();
  // A report abandoned after one stream row leaves the shared counter at 1;
  // the next open must start again from the first row.
  feeds.AddCustomConnection.Open();
  std::vector<ReportColumn> columns;
  feeds.AddCustomConnection.DeclareColumns(columns);
  RowWriter abandoned(columns);
  feeds.AddCustomConnection.WriteRow(abandoned);
  ASSERT_EQ(feeds.ReportRow, 1);

  const auto second = feeds.ReadAll();
  ASSERT_EQ(second.size(), first.size());
  for (std::size_t t = 0; t < first.size(); ++t) {
    EXPECT_EQ(second[t].Rows, first[t].Rows) << first[t].Name;
  }
}

struct LanguageCase {
  std::uint8_t lang;
  char heatingKind;
  const char* heatKind;
  const char* feedPurpose;
  const char* takeoffPurpose;
};

void PrintTo(const LanguageCase& c, std::ostream* out) {
  *out << "Lang " << int(c.lang) << ", heating '" << c.heatingKind << "'";
}

class CurrentRunFeedsLanguageTest : public CurrentRunFeedsTest,
                                    public ::testing::WithParamInterface<LanguageCase> {};

// The texts follow the language when the report is made, not the run's.
TEST_P(CurrentRunFeedsLanguageTest, TextsFollowTheLanguageAtReportTimeUncut) {
  const LanguageCase& c = GetParam();
  run_.HeatingKind = c.heatingKind;
  CurrentRunFeeds feeds(run_);
  Lang = c.lang;
  const auto tables = feeds.ReadAll();
  EXPECT_EQ(TextOf(tables[0].Value(0, "HeatKind")), c.heatKind);
  EXPECT_EQ(TextOf(tables[1].Value(0, "Purpose")), c.feedPurpose);
  EXPECT_EQ(TextOf(tables[1].Value(1, "Purpose")), c.takeoffPurpose);
}

INSTANTIATE_TEST_SUITE_P(
    HeatingAndLanguage, CurrentRunFeedsLanguageTest,
    ::testing::Values(LanguageCase{1, 'd', "dead steam", "Feed submission", "Select. of fract."},
                      LanguageCase{1, 'D', "dead steam", "Feed submission", "Select. of fract."},
                      LanguageCase{1, 'l', "live steam", "Feed submission", "Select. of fract."},
                      LanguageCase{2, 'D', "глухой пар", "Подача питания", "Отбор фракции"},
                      LanguageCase{2, 'L', "острый пар", "Подача питания", "Отбор фракции"},
                      LanguageCase{0, 'd', "глухой пар", "Подача питания", "Отбор фракции"}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) {
      return "Lang" + std::to_string(info.param.lang) + "_" + info.param.heatingKind;
    });

TEST(NumberedColumnNameTest, AppendsTheCharacterOneAboveTheIndex) {
  EXPECT_EQ(NumberedColumnName("Comp", 0), "Comp1");
  EXPECT_EQ(NumberedColumnName("Xcomp_", 3), "Xcomp_4");
  EXPECT_EQ(NumberedColumnName("Conc_", 8), "Conc_9");
  EXPECT_EQ(NumberedColumnName("Conc_", 9), "Conc_:");
}

TEST(RowWriterTest, RejectsValuesThatDoNotMatchTheDeclaredColumns) {
  const std::vector<ReportColumn> columns{{"TrayNmb", ReportColumnType::Integer, 4},
                                          {"Temper", ReportColumnType::Float, 6}};
  RowWriter wrongType(columns);
  EXPECT_THROW(wrongType.Float(1.0L), std::logic_error);

  RowWriter incomplete(columns);
  incomplete.Integer(0);
  EXPECT_THROW(std::move(incomplete).Finish(), std::logic_error);

  RowWriter tooLong(columns);
  tooLong.Integer(0);
  tooLong.Null();
  EXPECT_THROW(tooLong.Null(), std::logic_error);
}

}  // namespace
}  // namespace vexilor
