#include "store/store_calculation.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <cctype>
#include <ostream>

#include "store/database_fixture.h"
#include "store/sample_run.h"
#include "store/stored_calculation.h"
#include "support/file_faults.h"

namespace vexilor::store {
namespace {

using testing::QueryValue;
using testing::SampleRun;

double Stored(Real value) {
  return static_cast<double>(value);
}

class StoreCalculationTest : public testing::DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    dm = std::make_unique<TDM>(DatabasePath());
  }
  int Count(const char* table) {
    return QueryValue(*dm, QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
  }
  StoredCalculation StoreAndLoad(const FinishedRun& run) {
    const int rectId = StoreCalculation(*dm, run);
    auto calculation = LoadCalculation(*dm, rectId);
    EXPECT_TRUE(calculation.has_value());
    return calculation.value_or(StoredCalculation{});
  }

  std::unique_ptr<TDM> dm;
};

TEST_F(StoreCalculationTest, ThreeComponentMolarRunFillsPositionsOneToThreeOfTheHeader) {
  const FinishedRun run = SampleRun(1, 2, 'l');
  const InitDataRow row = StoreAndLoad(run).Init;

  EXPECT_EQ(row.Rect_Id, 1);
  EXPECT_EQ(row.RDate, QDate::currentDate());
  EXPECT_EQ(row.RquantTrays, 4);
  EXPECT_EQ(row.RquantFeeds, 1);
  EXPECT_EQ(row.RquantCatch, 2);
  EXPECT_EQ(row.RtrayEff, 1.0);
  EXPECT_DOUBLE_EQ(row.RheatStCons, Stored(0.02L * 18.015L * 3600));  // kmol/s of water to kg/h
  EXPECT_EQ(row.RheatStPres, 2.5);
  EXPECT_EQ(row.RheatKind, "live s");
  EXPECT_DOUBLE_EQ(row.RPressure.value(), Stored(101325 / 133.3L));
  EXPECT_EQ(row.RMethod, "UNIQUAC");
  EXPECT_EQ(row.RquantComp, 3);
  EXPECT_EQ(row.RComp, (std::array<std::string, 7>{"Ethanol", "Water", "Methanol"}));
  EXPECT_EQ(row.RM, (PerComponent{46.069, 18.015, 32.042}));
  EXPECT_EQ(row.RdimConc, "% molar");
  EXPECT_EQ(row.RdimConsum, "kmol/hr");
  EXPECT_EQ(row.RLang, 1);
  EXPECT_EQ(row.RfileVLE, "/home/инженер/проекты/колонна/этанол-вод");  // 40 characters
  EXPECT_EQ(row.RmolMass, 2);
  // Positions beyond the run's components are NULL, not empty texts or zeros.
  EXPECT_EQ(QueryValue(*dm,
                       "SELECT count(*) FROM InitData WHERE RComp4 IS NULL AND RComp7 IS NULL "
                       "AND RM4 IS NULL AND RM7 IS NULL AND RComp3 IS NOT NULL")
                .toInt(),
            1);
}

TEST_F(StoreCalculationTest, StreamsAreFeedsThenTakeoffsWithTheLiquidOfTheTakeoffTray) {
  const FinishedRun run = SampleRun(1, 2, 'l');
  const StoredCalculation stored = StoreAndLoad(run);

  ASSERT_EQ(stored.Streams.size(), 3u);
  struct Expected {
    const char* purpose;
    int tray;
    Real flowPerSecond;
    const std::vector<std::vector<Real>>* composition;
  };
  const Expected expected[] = {{"Feed submi", 2, 0.01L, &run.FeedComp},
                               {"Selection ", 0, 0.004L, &run.LiqConc},
                               {"Selection ", 5, 0.006L, &run.LiqConc}};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const AddDataRow& row = stored.Streams[i];
    EXPECT_EQ(row.Apurpose, expected[i].purpose);
    EXPECT_EQ(row.ATrayNum, expected[i].tray);
    EXPECT_DOUBLE_EQ(row.AConsum, Stored(expected[i].flowPerSecond * 3600));
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_DOUBLE_EQ(row.Aconc[k].value(),
                       Stored((*expected[i].composition)[k][expected[i].tray] * 100));
    }
    for (std::size_t k = 3; k < 7; ++k) EXPECT_FALSE(row.Aconc[k].has_value());
    EXPECT_EQ(row.ARect, stored.Init.Rect_Id);
  }
}

TEST_F(StoreCalculationTest, EveryStageFromStillToDephlegmatorGetsATrayRow) {
  const FinishedRun run = SampleRun(1, 2, 'l');
  const StoredCalculation stored = StoreAndLoad(run);

  ASSERT_EQ(stored.Trays.size(), 6u);  // N + 2
  for (int j = 0; j < 6; ++j) {
    SCOPED_TRACE(j);
    const auto stage = static_cast<std::size_t>(j);
    const RctResultRow& row = stored.Trays[stage];
    EXPECT_EQ(row.TrayNmb, j);
    EXPECT_DOUBLE_EQ(row.Temper.value(), Stored((run.Temp[stage] - 1) * 273.15L));
    EXPECT_DOUBLE_EQ(row.TLiqCons.value(), Stored(run.LiqFlow[stage] * 3600));
    EXPECT_DOUBLE_EQ(row.TVapCons.value(), Stored(run.VapFlow[stage] * 3600));
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_DOUBLE_EQ(row.TXcomp[k].value(), Stored(run.LiqConc[k][stage] * 100));
      EXPECT_DOUBLE_EQ(row.TYcomp[k].value(), Stored(run.VapConc[k][stage] * 100));
    }
    for (std::size_t k = 3; k < 7; ++k) {
      EXPECT_FALSE(row.TXcomp[k].has_value());
      EXPECT_FALSE(row.TYcomp[k].has_value());
    }
    EXPECT_EQ(row.TRect, stored.Init.Rect_Id);
  }
}

TEST_F(StoreCalculationTest, MassUnitsKeepFlowsPerSecond) {
  const FinishedRun run = SampleRun(1, 1, 'l');
  const StoredCalculation stored = StoreAndLoad(run);

  EXPECT_EQ(stored.Init.RdimConsum, " kg/sec");
  EXPECT_EQ(stored.Init.RdimConc, "% mass.");
  EXPECT_EQ(stored.Init.RmolMass, 1);
  EXPECT_DOUBLE_EQ(stored.Init.RheatStCons, Stored(0.02L * 3600));
  EXPECT_DOUBLE_EQ(stored.Streams[0].AConsum, 0.01);
  EXPECT_DOUBLE_EQ(stored.Trays[3].TLiqCons.value(), Stored(run.LiqFlow[3]));
}

struct LanguageCase {
  std::uint8_t lang;
  char heating;
  const char* heatKind;
  const char* feedPurpose;
  const char* takeoffPurpose;
  const char* flowUnit;
};

std::string CaseName(const LanguageCase& c) {
  return std::string(c.lang == 1 ? "English" : "Russian") +
         (c.heating == 'l' || c.heating == 'L' ? "LiveSteam" : "DeadSteam") +
         (std::isupper(static_cast<unsigned char>(c.heating)) ? "Capital" : "");
}

void PrintTo(const LanguageCase& c, std::ostream* out) {
  *out << CaseName(c);
}

class StoredTextsTest : public StoreCalculationTest,
                        public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(StoredTextsTest, AreInTheRunsLanguageCutToTheFieldWidthInCharacters) {
  const LanguageCase& c = GetParam();
  const StoredCalculation stored = StoreAndLoad(SampleRun(c.lang, 2, c.heating));

  EXPECT_EQ(stored.Init.RheatKind, c.heatKind);
  EXPECT_EQ(stored.Streams[0].Apurpose, c.feedPurpose);
  EXPECT_EQ(stored.Streams[1].Apurpose, c.takeoffPurpose);
  EXPECT_EQ(stored.Init.RdimConsum, c.flowUnit);
  EXPECT_EQ(stored.Init.RLang, c.lang);
  // SQLite holds the texts as UTF-8 characters, whatever language.
  EXPECT_EQ(QueryValue(*dm, "SELECT length(RheatKind) FROM InitData").toInt(), 6);
  EXPECT_EQ(QueryValue(*dm, "SELECT hex(RheatKind) FROM InitData").toByteArray(),
            QByteArray(c.heatKind).toHex().toUpper());
}

INSTANTIATE_TEST_SUITE_P(
    HeatingAndLanguage, StoredTextsTest,
    ::testing::Values(LanguageCase{1, 'l', "live s", "Feed submi", "Selection ", "kmol/hr"},
                      LanguageCase{1, 'D', "dead s", "Feed submi", "Selection ", "kmol/hr"},
                      LanguageCase{2, 'd', "глухой", "Подача пит", "Отбор фрак", "кмоль/ч"},
                      LanguageCase{2, 'L', "острый", "Подача пит", "Отбор фрак", "кмоль/ч"}),
    [](const auto& info) { return CaseName(info.param); });

TEST(CutToWidthTest, CountsCharactersNotBytesOrUtf16Units) {
  const struct {
    const char* text;
    int width;
    const char* expected;
  } cases[] = {{"live steam", 6, "live s"},
               {"глухой пар", 6, "глухой"},
               {"short", 10, "short"},
               {"a\U0001F600bc", 2, "a\U0001F600"},  // a character outside the BMP stays whole
               {"", 5, ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(CutToWidth(QString::fromUtf8(c.text), c.width), QString::fromUtf8(c.expected))
        << c.text;
  }
}

TEST_F(StoreCalculationTest, FailureInTheMiddleOfAStoreLeavesNoRows) {
  // The fourth tray row cannot be posted: streams and three trays are written by then.
  QSqlQuery(dm->Database())
      .exec(
          "CREATE TRIGGER refuse BEFORE INSERT ON RctResult WHEN NEW.TrayNmb = 3 "
          "BEGIN SELECT RAISE(ABORT, 'tray refused'); END");
  try {
    StoreCalculation(*dm, SampleRun());
    FAIL() << "the store reported success";
  } catch (const DatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find("tray refused"), std::string::npos) << error.what();
  }
  EXPECT_EQ(Count("InitData"), 0);
  EXPECT_EQ(Count("AddData"), 0);
  EXPECT_EQ(Count("RctResult"), 0);

  // The database stays usable and the key counter was rolled back too.
  QSqlQuery(dm->Database()).exec("DROP TRIGGER refuse");
  EXPECT_EQ(StoreCalculation(*dm, SampleRun()), 1);
  EXPECT_EQ(Count("AddData"), 3);
  EXPECT_EQ(Count("RctResult"), 6);
}

TEST_F(StoreCalculationTest, IncompleteRunIsRefusedBeforeAnythingIsWritten) {
  FinishedRun takeoffOutsideColumn = SampleRun();
  takeoffOutsideColumn.CatchTrays.push_back(6);
  FinishedRun missingVapour = SampleRun();
  missingVapour.VapConc.pop_back();
  FinishedRun shortTemperatures = SampleRun();
  shortTemperatures.Temp.resize(5);
  for (const FinishedRun& run : {takeoffOutsideColumn, missingVapour, shortTemperatures}) {
    EXPECT_THROW(StoreCalculation(*dm, run), DatabaseError);
  }
  EXPECT_EQ(Count("InitData"), 0);
}

TEST_F(StoreCalculationTest, DeletingACalculationTakesItsStreamsAndTraysOnly) {
  const int first = StoreCalculation(*dm, SampleRun());
  const int second = StoreCalculation(*dm, SampleRun(2, 1, 'd'));
  DeleteCalculation(*dm, first);

  EXPECT_FALSE(LoadCalculation(*dm, first).has_value());
  EXPECT_EQ(Count("AddData"), 3);
  EXPECT_EQ(Count("RctResult"), 6);
  const auto kept = LoadCalculation(*dm, second);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->Streams.size(), 3u);
  EXPECT_EQ(kept->Trays.size(), 6u);
}

TEST_F(StoreCalculationTest, RecordNumbersFollowTheKeysOfTheRemainingCalculations) {
  const int ids[] = {StoreCalculation(*dm, SampleRun()), StoreCalculation(*dm, SampleRun()),
                     StoreCalculation(*dm, SampleRun())};
  EXPECT_EQ(RectIdAtRecordNumber(*dm, 1), ids[0]);
  EXPECT_EQ(RectIdAtRecordNumber(*dm, 3), ids[2]);
  EXPECT_FALSE(RectIdAtRecordNumber(*dm, 0).has_value());
  EXPECT_FALSE(RectIdAtRecordNumber(*dm, 4).has_value());

  DeleteCalculation(*dm, ids[1]);
  EXPECT_EQ(LoadCalculationAtRecordNumber(*dm, 2)->Init.Rect_Id, ids[2]);
  EXPECT_EQ(CalculationIds(*dm), (std::vector<int>{ids[0], ids[2]}));
}

TEST_F(StoreCalculationTest, StoreInFileCreatesTheDatabaseWithoutABrowser) {
  const QString path = folder.filePath("batch.db");
  EXPECT_EQ(StoreCalculationInFile(path, SampleRun()), 1);
  EXPECT_EQ(StoreCalculationInFile(path, SampleRun()), 2);
}

// SQLite keeps its journal beside the database: a folder that takes no new
// file refuses the store, and so does a full disk. Either way the store's
// error is reported and the database keeps what it held.
TEST_F(StoreCalculationTest, AFolderThatRefusesFilesOrAFullDiskLeavesTheDatabaseAsItWas) {
  StoreCalculation(*dm, SampleRun());
  dm.reset();
  const QByteArray before = testing::FileBytes(DatabasePath());
  for (const bool fullDisk : {false, true}) {
    const char* fault = fullDisk ? "full disk" : "read-only folder";
    if (fullDisk) {
      testing::FileSizeLimit full(1024);
      EXPECT_THROW(StoreCalculationInFile(DatabasePath(), SampleRun()), DatabaseError) << fault;
    } else {
      testing::ReadOnlyFolder readOnly(folder.path().toStdString());
      if (!readOnly.Refuses()) continue;  // this file system cannot refuse new files
      EXPECT_THROW(StoreCalculationInFile(DatabasePath(), SampleRun()), DatabaseError) << fault;
    }
    EXPECT_EQ(testing::FileBytes(DatabasePath()), before) << fault;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{kDefaultDatabaseFile})
        << fault;
  }
  TDM reopened(DatabasePath());
  EXPECT_EQ(QueryValue(reopened, QStringLiteral("SELECT count(*) FROM InitData")).toInt(), 1);
}

}  // namespace
}  // namespace vexilor::store
