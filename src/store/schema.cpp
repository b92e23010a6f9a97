#include "store/schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <stdexcept>

#include "store/database_error.h"

namespace vexilor::store {
namespace {

std::string Numbered(const char* prefix, int number) {
  return prefix + std::to_string(number);
}

TableDef MakeInitData() {
  TableDef table{"InitData", {}, "", ""};
  auto& f = table.Fields;
  f = {{"Rect_Id", FieldType::AutoIncrement},
       {"RDate", FieldType::Date},
       {"RquantTrays", FieldType::SmallInt, 0, true},
       {"RquantFeeds", FieldType::SmallInt, 0, true},
       {"RquantCatch", FieldType::SmallInt, 0, true},
       {"RtrayEff", FieldType::Double},
       {"RheatStCons", FieldType::Double, 0, true},
       {"RheatStPres", FieldType::Double},
       {"RheatKind", FieldType::Text, 6},
       {"RPressure", FieldType::Double},
       {"RMethod", FieldType::Text, 7},
       {"RquantComp", FieldType::SmallInt}};
  for (int k = 1; k <= kMaxStoredComponents; ++k)
    f.push_back({Numbered("RComp", k), FieldType::Text, 20});
  for (int k = 1; k <= kMaxStoredComponents; ++k)
    f.push_back({Numbered("RM", k), FieldType::Double});
  f.push_back({"RdimConc", FieldType::Text, 10});
  f.push_back({"RdimConsum", FieldType::Text, 10});
  f.push_back({"RLang", FieldType::SmallInt});
  f.push_back({"RfileVLE", FieldType::Text, 40});
  f.push_back({"RmolMass", FieldType::SmallInt});
  return table;
}

TableDef MakeAddData() {
  TableDef table{"AddData", {}, "AddDat_Rect", "ARect"};
  auto& f = table.Fields;
  f = {{"AddDat_Id", FieldType::AutoIncrement},
       {"Apurpose", FieldType::Text, 10},
       {"ATrayNum", FieldType::SmallInt, 0, true},
       {"AConsum", FieldType::Double, 0, true}};
  for (int k = 1; k <= kMaxStoredComponents; ++k)
    f.push_back({Numbered("Aconc_", k), FieldType::Double});
  f.push_back({"ARect", FieldType::SmallInt});
  return table;
}

TableDef MakeRctResult() {
  TableDef table{"RctResult", {}, "Result_rect", "TRect"};
  auto& f = table.Fields;
  f = {{"TRes_Id", FieldType::AutoIncrement},
       {"TrayNmb", FieldType::SmallInt},
       {"Temper", FieldType::Double},
       {"TLiqCons", FieldType::Double},
       {"TVapCons", FieldType::Double}};
  // Liquid and vapour concentrations alternate: component k sits at 2k+3, 2k+4.
  for (int k = 1; k <= kMaxStoredComponents; ++k) {
    f.push_back({Numbered("TXcomp", k), FieldType::Double});
    f.push_back({Numbered("TYcomp", k), FieldType::Double});
  }
  f.push_back({"TRect", FieldType::SmallInt, 0, true});
  return table;
}

void Execute(QSqlQuery& query, const std::string& sql) {
  if (!query.exec(QString::fromStdString(sql))) {
    throw DatabaseError(query.lastError().text().toStdString());
  }
}

}  // namespace

int TableDef::FieldIndex(std::string_view name) const {
  for (std::size_t i = 0; i < Fields.size(); ++i) {
    if (Fields[i].Name == name) return static_cast<int>(i);
  }
  return -1;
}

const FieldDef& TableDef::Field(std::string_view name) const {
  const int index = FieldIndex(name);
  if (index < 0) throw std::logic_error("no field " + std::string(name) + " in " + Name);
  return Fields[static_cast<std::size_t>(index)];
}

const TableDef& InitDataTable() {
  static const TableDef table = MakeInitData();
  return table;
}

const TableDef& AddDataTable() {
  static const TableDef table = MakeAddData();
  return table;
}

const TableDef& RctResultTable() {
  static const TableDef table = MakeRctResult();
  return table;
}

std::vector<const TableDef*> ResultsTables() {
  return {&InitDataTable(), &AddDataTable(), &RctResultTable()};
}

std::string SqlType(const FieldDef& field) {
  switch (field.Type) {
    case FieldType::AutoIncrement:
      return "INTEGER PRIMARY KEY AUTOINCREMENT";
    case FieldType::Date:
      return "DATE";
    case FieldType::SmallInt:
      return "SMALLINT";
    case FieldType::Double:
      return "DOUBLE";
    case FieldType::Text:
      return "VARCHAR(" + std::to_string(field.Width) + ")";
  }
  return "";
}

std::string CreateTableSql(const TableDef& table) {
  std::string sql = "CREATE TABLE " + table.Name + " (";
  for (std::size_t i = 0; i < table.Fields.size(); ++i) {
    const FieldDef& field = table.Fields[i];
    if (i > 0) sql += ", ";
    sql += field.Name + " " + SqlType(field);
    if (field.Required) sql += " NOT NULL";
  }
  return sql + ")";
}

void CreateSchema(QSqlDatabase& database) {
  QSqlQuery query(database);
  for (const TableDef* table : ResultsTables()) {
    Execute(query, CreateTableSql(*table));
    if (!table->IndexName.empty()) {
      Execute(query, "CREATE INDEX " + table->IndexName + " ON " + table->Name + " (" +
                         table->LinkField + ")");
    }
  }
}

bool HasNoTables(QSqlDatabase& database) {
  QSqlQuery query(database);
  Execute(query, "SELECT count(*) FROM sqlite_master WHERE type = 'table'");
  return query.next() && query.value(0).toLongLong() == 0;
}

std::optional<LayoutProblem> FindLayoutProblem(QSqlDatabase& database) {
  QSqlQuery query(database);
  for (const TableDef* table : ResultsTables()) {
    // PRAGMA table_info gives one row per column in table order; none for
    // a table that does not exist.
    Execute(query, "PRAGMA table_info(" + table->Name + ")");
    std::vector<QString> names;
    while (query.next()) names.push_back(query.value(1).toString());
    if (names.empty()) return LayoutProblem{table->Name, "", -1};
    for (std::size_t i = 0; i < table->Fields.size(); ++i) {
      const QString expected = QString::fromStdString(table->Fields[i].Name);
      if (i >= names.size() || names[i].compare(expected, Qt::CaseInsensitive) != 0) {
        return LayoutProblem{table->Name, table->Fields[i].Name, static_cast<int>(i)};
      }
    }
    if (names.size() > table->Fields.size()) {
      return LayoutProblem{table->Name, names[table->Fields.size()].toStdString(),
                           static_cast<int>(table->Fields.size()), true};
    }
  }
  return std::nullopt;
}

}  // namespace vexilor::store
