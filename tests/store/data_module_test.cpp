#include "store/data_module.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSqlDatabase>
#include <functional>

#include "store/database_fixture.h"
#include "store/sample_run.h"
#include "store/schema.h"
#include "store/store_calculation.h"
#include "store/stored_calculation.h"

namespace vexilor::store {
namespace {

using testing::DatabaseTest;
using testing::FileBytes;
using testing::SqliteShell;

//! "name|type|notnull|pk" of every column, as the sqlite3 shell lists them.
QStringList ColumnsByShell(const QString& path, const QString& table) {
  const auto output = SqliteShell(path, QStringLiteral("PRAGMA table_info(%1)").arg(table));
  QStringList columns;
  for (const QString& line : output.value_or(QString()).split('\n', Qt::SkipEmptyParts)) {
    const QStringList parts = line.split('|');  // cid|name|type|notnull|default|pk
    columns << QStringList{parts[1], parts[2], parts[3], parts[5]}.join('|');
  }
  return columns;
}

QStringList Numbered(const QString& prefix, const QString& rest) {
  QStringList list;
  for (int k = 1; k <= 7; ++k) list << prefix + QString::number(k) + rest;
  return list;
}

TEST_F(DatabaseTest, NewFileHoldsTheDocumentedTablesForTheSqliteShell) {
  { TDM dm(DatabasePath()); }
  if (!SqliteShell(DatabasePath(), ".tables")) GTEST_SKIP() << "sqlite3 shell not installed";

  QStringList initData = {
      "Rect_Id|INTEGER|0|1",      "RDate|DATE|0|0",           "RquantTrays|SMALLINT|1|0",
      "RquantFeeds|SMALLINT|1|0", "RquantCatch|SMALLINT|1|0", "RtrayEff|DOUBLE|0|0",
      "RheatStCons|DOUBLE|1|0",   "RheatStPres|DOUBLE|0|0",   "RheatKind|VARCHAR(6)|0|0",
      "RPressure|DOUBLE|0|0",     "RMethod|VARCHAR(7)|0|0",   "RquantComp|SMALLINT|0|0"};
  initData << Numbered("RComp", "|VARCHAR(20)|0|0") << Numbered("RM", "|DOUBLE|0|0")
           << "RdimConc|VARCHAR(10)|0|0"
           << "RdimConsum|VARCHAR(10)|0|0"
           << "RLang|SMALLINT|0|0"
           << "RfileVLE|VARCHAR(40)|0|0"
           << "RmolMass|SMALLINT|0|0";
  QStringList addData = {"AddDat_Id|INTEGER|0|1", "Apurpose|VARCHAR(10)|0|0",
                         "ATrayNum|SMALLINT|1|0", "AConsum|DOUBLE|1|0"};
  addData << Numbered("Aconc_", "|DOUBLE|0|0") << "ARect|SMALLINT|0|0";
  QStringList rctResult = {"TRes_Id|INTEGER|0|1", "TrayNmb|SMALLINT|0|0", "Temper|DOUBLE|0|0",
                           "TLiqCons|DOUBLE|0|0", "TVapCons|DOUBLE|0|0"};
  for (int k = 1; k <= 7; ++k) {
    rctResult << QStringLiteral("TXcomp%1|DOUBLE|0|0").arg(k)
              << QStringLiteral("TYcomp%1|DOUBLE|0|0").arg(k);
  }
  rctResult << "TRect|SMALLINT|1|0";

  EXPECT_EQ(ColumnsByShell(DatabasePath(), "InitData"), initData);
  EXPECT_EQ(ColumnsByShell(DatabasePath(), "AddData"), addData);
  EXPECT_EQ(ColumnsByShell(DatabasePath(), "RctResult"), rctResult);

  const QString schema = SqliteShell(DatabasePath(), ".schema").value();
  for (const char* key :
       {"Rect_Id INTEGER PRIMARY KEY AUTOINCREMENT", "AddDat_Id INTEGER PRIMARY KEY AUTOINCREMENT",
        "TRes_Id INTEGER PRIMARY KEY AUTOINCREMENT", "CREATE INDEX AddDat_Rect ON AddData (ARect)",
        "CREATE INDEX Result_rect ON RctResult (TRect)"}) {
    EXPECT_TRUE(schema.contains(QLatin1String(key))) << key;
  }
}

TEST_F(DatabaseTest, StoredCalculationsSurviveReopeningAndAnEmptyFileGetsTables) {
  {
    TDM dm(DatabasePath());
    StoreCalculation(dm, testing::SampleRun());
  }
  TDM reopened(DatabasePath());
  EXPECT_EQ(CalculationIds(reopened).size(), 1u);

  const QString emptyFile = folder.filePath("empty.db");
  testing::WriteFile(emptyFile, {});
  TDM fromEmpty(emptyFile);
  EXPECT_TRUE(CalculationIds(fromEmpty).empty());
  QSqlDatabase database = fromEmpty.Database();
  EXPECT_FALSE(FindLayoutProblem(database));
}

TEST_F(DatabaseTest, FolderThatDoesNotExistIsReportedAndNothingIsCreated) {
  const QString path = folder.filePath("missing/DbRectif.db");
  try {
    TDM dm(path);
    FAIL() << "opened a database in a missing folder";
  } catch (const DatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find("cannot be opened"), std::string::npos)
        << error.what();
  }
  EXPECT_FALSE(QFileInfo::exists(path));
}

// --- existing files the program must not touch ------------------------------

//! Creates an SQLite file from statements through a connection of its own.
void MakeSqliteFile(const QString& path, const QStringList& statements) {
  {
    QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "fixture");
    database.setDatabaseName(path);
    ASSERT_TRUE(database.open());
    QSqlQuery query(database);
    for (const QString& sql : statements) ASSERT_TRUE(query.exec(sql)) << sql.toStdString();
  }
  QSqlDatabase::removeDatabase("fixture");
}

QString CreateSql(const TableDef& table) {
  return QString::fromStdString(CreateTableSql(table));
}

struct RefusedFile {
  const char* name;
  std::function<void(const QString&)> make;
  const char* reason;  //!< part of the message
};

void PrintTo(const RefusedFile& file, std::ostream* out) {
  *out << file.name;
}

class RefusedFileTest : public DatabaseTest, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(RefusedFileTest, IsRefusedWithAMessageAndLeftByteForByte) {
  GetParam().make(DatabasePath());
  const QByteArray before = FileBytes(DatabasePath());
  const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);

  try {
    TDM dm(DatabasePath());
    FAIL() << "the file was accepted";
  } catch (const DatabaseError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find(DatabasePath().toStdString()), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    EXPECT_NE(message.find("left as it is"), std::string::npos) << message;
  }
  EXPECT_EQ(FileBytes(DatabasePath()), before);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), filesBefore);  // no journal either
}

INSTANTIATE_TEST_SUITE_P(
    ExistingFiles, RefusedFileTest,
    ::testing::Values(
        RefusedFile{"TextFile",
                    [](const QString& path) {
                      testing::WriteFile(path,
                                         QByteArray("Rect_Id;RDate\n1;2024-01-01\n").repeated(200));
                    },
                    "file is not a database"},
        RefusedFile{"OlderInitDataWithoutUnitsFlag",
                    [](const QString& path) {
                      QString initData = CreateSql(InitDataTable());
                      initData.replace(", RmolMass SMALLINT", "");
                      MakeSqliteFile(
                          path, {initData, CreateSql(AddDataTable()), CreateSql(RctResultTable()),
                                 "INSERT INTO InitData (RquantTrays, RquantFeeds, "
                                 "RquantCatch, RheatStCons) VALUES (3, 1, 1, 5)"});
                    },
                    "has no field RmolMass at position 30"},
        RefusedFile{"MissingTrayTable",
                    [](const QString& path) {
                      MakeSqliteFile(path, {CreateSql(InitDataTable()), CreateSql(AddDataTable())});
                    },
                    "the table RctResult is missing"},
        RefusedFile{"ForeignDatabase",
                    [](const QString& path) {
                      MakeSqliteFile(path, {"CREATE TABLE Notes (Id INTEGER, Text VARCHAR(80))"});
                    },
                    "the table InitData is missing"},
        RefusedFile{"FieldTheProgramDoesNotKnow",
                    [](const QString& path) {
                      QString addData = CreateSql(AddDataTable());
                      addData.chop(1);
                      addData += ", Remark VARCHAR(20))";
                      MakeSqliteFile(
                          path, {CreateSql(InitDataTable()), addData, CreateSql(RctResultTable())});
                    },
                    "has an unknown field Remark at position 12"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vexilor::store
