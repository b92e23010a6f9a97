#include "store/store_calculation.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <vector>

#include "engine/shell/lang.h"
#include "store/data_module.h"
#include "store/schema.h"

namespace vexilor::store {
namespace {

[[noreturn]] void ThrowQueryError(const QSqlQuery& query) {
  throw DatabaseError(query.lastError().text().toStdString());
}

//! Rolls back unless committed, so an exception anywhere leaves nothing.
class Transaction {
 public:
  explicit Transaction(QSqlDatabase database) : database_(std::move(database)) {
    if (!database_.transaction()) throw DatabaseError(database_.lastError().text().toStdString());
  }
  ~Transaction() {
    if (!committed_) database_.rollback();
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Commit() {
    if (!database_.commit()) throw DatabaseError(database_.lastError().text().toStdString());
    committed_ = true;
  }

 private:
  QSqlDatabase database_;
  bool committed_ = false;
};

//! Appends rows to one table: fields are set by name (texts cut to their
//! width), unset fields stay NULL, Post writes the row and returns its key.
class RowAppender {
 public:
  RowAppender(const QSqlDatabase& database, const TableDef& table)
      : table_(table), query_(database), values_(table.Fields.size()) {
    QStringList names;
    QStringList marks;
    for (const FieldDef& field : table.Fields) {
      if (field.Type == FieldType::AutoIncrement) continue;
      names << QString::fromStdString(field.Name);
      marks << QStringLiteral("?");
    }
    const QString sql =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(QString::fromStdString(table.Name), names.join(QStringLiteral(", ")),
                 marks.join(QStringLiteral(", ")));
    if (!query_.prepare(sql)) ThrowQueryError(query_);
  }

  void Set(const std::string& name, QVariant value) {
    const int index = table_.FieldIndex(name);
    const FieldDef& field = table_.Field(name);
    if (field.Type == FieldType::Text) value = CutToWidth(value.toString(), field.Width);
    values_[static_cast<std::size_t>(index)] = std::move(value);
  }
  void SetReal(const std::string& name, Real value) { Set(name, static_cast<double>(value)); }
  void SetText(const std::string& name, std::string_view utf8) {
    Set(name, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  }

  int Post() {
    for (std::size_t i = 0; i < values_.size(); ++i) {
      if (table_.Fields[i].Type != FieldType::AutoIncrement) query_.addBindValue(values_[i]);
    }
    if (!query_.exec()) ThrowQueryError(query_);
    values_.assign(values_.size(), QVariant());
    return query_.lastInsertId().toInt();
  }

 private:
  const TableDef& table_;
  QSqlQuery query_;
  std::vector<QVariant> values_;
};

std::string Numbered(const char* prefix, int number) {
  return prefix + std::to_string(number);
}

bool RunIsComplete(const FinishedRun& run) {
  const auto n = static_cast<std::size_t>(run.ComponentCount());
  const auto stages = static_cast<std::size_t>(run.StageCount());
  if (n < 1 || n > kMaxStoredComponents || run.MolMass.size() < n) return false;
  for (const auto* perStage :
       {&run.Temp, &run.LiqFlow, &run.VapFlow, &run.FeedFlow, &run.CatchFlow}) {
    if (perStage->size() < stages) return false;
  }
  for (const auto* perComponent : {&run.LiqConc, &run.VapConc, &run.FeedComp}) {
    if (perComponent->size() < n) return false;
    for (std::size_t k = 0; k < n; ++k) {
      if ((*perComponent)[k].size() < stages) return false;
    }
  }
  for (const auto* trays : {&run.FeedTrays, &run.CatchTrays}) {
    for (const std::uint8_t stage : *trays) {
      if (stage >= stages) return false;
    }
  }
  return true;
}

int AppendInitData(const QSqlDatabase& database, const FinishedRun& run) {
  const std::uint8_t lang = run.Lang;
  RowAppender row(database, InitDataTable());
  row.Set("RDate", QDate::currentDate().toString(Qt::ISODate));  // SQLite date text
  row.Set("RquantTrays", run.TrayCount);
  row.Set("RquantFeeds", static_cast<int>(run.FeedTrays.size()));
  row.Set("RquantCatch", static_cast<int>(run.CatchTrays.size()));
  row.SetReal("RtrayEff", run.TrayEfficiency);
  row.SetReal("RheatStCons", run.SteamFlowKgPerHour());
  row.SetReal("RheatStPres", run.SteamPressure);
  row.SetText("RheatKind", run.DeadSteam() ? PickText(lang, "dead steam", "глухой пар")
                                           : PickText(lang, "live steam", "острый пар"));
  row.SetReal("RPressure", run.ColumnPressure / 133.3L);
  row.SetText("RMethod", run.ModelName);
  row.Set("RquantComp", run.ComponentCount());
  for (int k = 1; k <= run.ComponentCount(); ++k) {
    const auto index = static_cast<std::size_t>(k - 1);
    row.SetText(Numbered("RComp", k), run.CompNames[index]);
    row.SetReal(Numbered("RM", k), run.MolMass[index]);
  }
  row.SetText("RdimConc", run.ConcUnit);
  row.SetText("RdimConsum", run.FlowUnit);
  row.Set("RLang", lang);
  row.SetText("RfileVLE", run.VleFilePath);
  row.Set("RmolMass", run.UnitsKind);
  return row.Post();
}

void AppendStreams(const QSqlDatabase& database, const FinishedRun& run, int rectId) {
  RowAppender row(database, AddDataTable());
  const auto appendStream = [&](std::uint8_t stage, std::string_view purpose, Real flow,
                                const std::vector<std::vector<Real>>& composition) {
    row.Set("ARect", rectId);
    row.SetText("Apurpose", purpose);
    row.Set("ATrayNum", stage);
    row.SetReal("AConsum", flow * run.FlowFactor());
    for (int k = 1; k <= run.ComponentCount(); ++k) {
      row.SetReal(Numbered("Aconc_", k), composition[static_cast<std::size_t>(k - 1)][stage] * 100);
    }
    row.Post();
  };
  for (const std::uint8_t stage : run.FeedTrays) {
    appendStream(stage, PickText(run.Lang, "Feed submission", "Подача питания"),
                 run.FeedFlow[stage], run.FeedComp);
  }
  // A takeoff leaves with the liquid of its tray.
  for (const std::uint8_t stage : run.CatchTrays) {
    appendStream(stage, PickText(run.Lang, "Selection of fraction", "Отбор фракции"),
                 run.CatchFlow[stage], run.LiqConc);
  }
}

void AppendTrays(const QSqlDatabase& database, const FinishedRun& run, int rectId) {
  RowAppender row(database, RctResultTable());
  for (int j = 0; j < run.StageCount(); ++j) {
    const auto stage = static_cast<std::size_t>(j);
    row.Set("TRect", rectId);
    row.Set("TrayNmb", j);
    row.SetReal("Temper", run.TemperatureC(j));
    row.SetReal("TLiqCons", run.LiqFlow[stage] * run.FlowFactor());
    row.SetReal("TVapCons", run.VapFlow[stage] * run.FlowFactor());
    for (int k = 1; k <= run.ComponentCount(); ++k) {
      const auto component = static_cast<std::size_t>(k - 1);
      row.SetReal(Numbered("TXcomp", k), run.LiqConc[component][stage] * 100);
      row.SetReal(Numbered("TYcomp", k), run.VapConc[component][stage] * 100);
    }
    row.Post();
  }
}

}  // namespace

QString CutToWidth(const QString& text, int width) {
  qsizetype units = 0;
  for (int characters = 0; characters < width && units < text.size(); ++characters) {
    const bool pair = text[units].isHighSurrogate() && units + 1 < text.size() &&
                      text[units + 1].isLowSurrogate();
    units += pair ? 2 : 1;
  }
  return text.left(units);
}

int StoreCalculation(TDM& dm, const FinishedRun& run) {
  if (!RunIsComplete(run)) {
    throw DatabaseError(
        std::string(ByLang("The calculation is incomplete and cannot be placed in the database.",
                           "Расчет неполон и не может быть помещен в базу данных.")));
  }
  const QSqlDatabase database = dm.Database();
  Transaction transaction(database);
  const int rectId = AppendInitData(database, run);
  AppendStreams(database, run, rectId);
  AppendTrays(database, run, rectId);
  transaction.Commit();
  return rectId;
}

int StoreCalculationInFile(const QString& path, const FinishedRun& run) {
  TDM dm(path);
  return StoreCalculation(dm, run);
}

void DeleteCalculation(TDM& dm, int rectId) {
  const QSqlDatabase database = dm.Database();
  Transaction transaction(database);
  QSqlQuery query(database);
  for (const QString& sql : {QStringLiteral("DELETE FROM AddData WHERE ARect = ?"),
                             QStringLiteral("DELETE FROM RctResult WHERE TRect = ?"),
                             QStringLiteral("DELETE FROM InitData WHERE Rect_Id = ?")}) {
    if (!query.prepare(sql)) ThrowQueryError(query);
    query.addBindValue(rectId);
    if (!query.exec()) ThrowQueryError(query);
  }
  query.finish();
  transaction.Commit();
}

}  // namespace vexilor::store
