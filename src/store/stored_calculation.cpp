#include "store/stored_calculation.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include "store/data_module.h"

namespace vexilor::store {
namespace {

QSqlQuery Select(TDM& dm, const QString& sql, const QVariantList& values = {}) {
  QSqlQuery query(dm.Database());
  query.setForwardOnly(true);
  if (!query.prepare(sql)) throw DatabaseError(query.lastError().text().toStdString());
  for (const QVariant& value : values) query.addBindValue(value);
  if (!query.exec()) throw DatabaseError(query.lastError().text().toStdString());
  return query;
}

QVariant Value(const QSqlRecord& record, const std::string& name) {
  return record.value(QString::fromStdString(name));
}

OptionalReal RealOf(const QSqlRecord& record, const std::string& name) {
  const QVariant value = Value(record, name);
  return value.isNull() ? OptionalReal{} : OptionalReal{value.toDouble()};
}

OptionalInt IntOf(const QSqlRecord& record, const std::string& name) {
  const QVariant value = Value(record, name);
  return value.isNull() ? OptionalInt{} : OptionalInt{value.toInt()};
}

std::string TextOf(const QSqlRecord& record, const std::string& name) {
  return Value(record, name).toString().toStdString();
}

//! The per-component fields prefix1 .. prefix7.
PerComponent ComponentsOf(const QSqlRecord& record, const std::string& prefix) {
  PerComponent values;
  for (int k = 1; k <= kMaxStoredComponents; ++k) {
    values[static_cast<std::size_t>(k - 1)] = RealOf(record, prefix + std::to_string(k));
  }
  return values;
}

}  // namespace

InitDataRow InitDataFromRecord(const QSqlRecord& r) {
  InitDataRow row;
  row.Rect_Id = IntOf(r, "Rect_Id").value_or(0);
  row.RDate = Value(r, "RDate").toDate();
  row.RquantTrays = IntOf(r, "RquantTrays").value_or(0);
  row.RquantFeeds = IntOf(r, "RquantFeeds").value_or(0);
  row.RquantCatch = IntOf(r, "RquantCatch").value_or(0);
  row.RtrayEff = RealOf(r, "RtrayEff");
  row.RheatStCons = RealOf(r, "RheatStCons").value_or(0);
  row.RheatStPres = RealOf(r, "RheatStPres");
  row.RheatKind = TextOf(r, "RheatKind");
  row.RPressure = RealOf(r, "RPressure");
  row.RMethod = TextOf(r, "RMethod");
  row.RquantComp = IntOf(r, "RquantComp");
  for (int k = 1; k <= kMaxStoredComponents; ++k) {
    row.RComp[static_cast<std::size_t>(k - 1)] = TextOf(r, "RComp" + std::to_string(k));
  }
  row.RM = ComponentsOf(r, "RM");
  row.RdimConc = TextOf(r, "RdimConc");
  row.RdimConsum = TextOf(r, "RdimConsum");
  row.RLang = IntOf(r, "RLang");
  row.RfileVLE = TextOf(r, "RfileVLE");
  row.RmolMass = IntOf(r, "RmolMass");
  return row;
}

namespace {

AddDataRow ReadAddData(const QSqlRecord& r) {
  AddDataRow row;
  row.AddDat_Id = IntOf(r, "AddDat_Id").value_or(0);
  row.Apurpose = TextOf(r, "Apurpose");
  row.ATrayNum = IntOf(r, "ATrayNum").value_or(0);
  row.AConsum = RealOf(r, "AConsum").value_or(0);
  row.Aconc = ComponentsOf(r, "Aconc_");
  row.ARect = IntOf(r, "ARect");
  return row;
}

RctResultRow ReadRctResult(const QSqlRecord& r) {
  RctResultRow row;
  row.TRes_Id = IntOf(r, "TRes_Id").value_or(0);
  row.TrayNmb = IntOf(r, "TrayNmb");
  row.Temper = RealOf(r, "Temper");
  row.TLiqCons = RealOf(r, "TLiqCons");
  row.TVapCons = RealOf(r, "TVapCons");
  row.TXcomp = ComponentsOf(r, "TXcomp");
  row.TYcomp = ComponentsOf(r, "TYcomp");
  row.TRect = IntOf(r, "TRect").value_or(0);
  return row;
}

}  // namespace

std::optional<StoredCalculation> LoadCalculation(TDM& dm, int rectId) {
  QSqlQuery init = Select(dm, QStringLiteral("SELECT * FROM InitData WHERE Rect_Id = ?"), {rectId});
  if (!init.next()) return std::nullopt;
  StoredCalculation calculation;
  calculation.Init = InitDataFromRecord(init.record());

  // Detail rows in the order they were stored: the keys grow with every post.
  QSqlQuery streams = Select(
      dm, QStringLiteral("SELECT * FROM AddData WHERE ARect = ? ORDER BY AddDat_Id"), {rectId});
  while (streams.next()) calculation.Streams.push_back(ReadAddData(streams.record()));
  QSqlQuery trays = Select(
      dm, QStringLiteral("SELECT * FROM RctResult WHERE TRect = ? ORDER BY TRes_Id"), {rectId});
  while (trays.next()) calculation.Trays.push_back(ReadRctResult(trays.record()));
  return calculation;
}

std::optional<int> RectIdAtRecordNumber(TDM& dm, int recordNumber) {
  if (recordNumber < 1) return std::nullopt;
  QSqlQuery query =
      Select(dm, QStringLiteral("SELECT Rect_Id FROM InitData ORDER BY Rect_Id LIMIT 1 OFFSET ?"),
             {recordNumber - 1});
  if (!query.next()) return std::nullopt;
  return query.value(0).toInt();
}

std::optional<StoredCalculation> LoadCalculationAtRecordNumber(TDM& dm, int recordNumber) {
  const auto rectId = RectIdAtRecordNumber(dm, recordNumber);
  if (!rectId) return std::nullopt;
  return LoadCalculation(dm, *rectId);
}

std::vector<int> CalculationIds(TDM& dm) {
  QSqlQuery query = Select(dm, QStringLiteral("SELECT Rect_Id FROM InitData ORDER BY Rect_Id"));
  std::vector<int> ids;
  while (query.next()) ids.push_back(query.value(0).toInt());
  return ids;
}

}  // namespace vexilor::store
