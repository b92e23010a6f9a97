// Layout of the results database: the tables InitData (one row per stored
// calculation), AddData (its feed and takeoff streams) and RctResult (its
// trays), with every field's name, position, type, width and required mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSqlDatabase;

namespace vexilor::store {

enum class FieldType {
  AutoIncrement,  //!< integer key assigned when a row is posted, read-only
  Date,
  SmallInt,  //!< 16-bit integer
  Double,    //!< 64-bit float
  Text       //!< at most Width characters
};

struct FieldDef {
  std::string Name;
  FieldType Type;
  int Width = 0;  //!< characters, Text fields only
  bool Required = false;
};

struct TableDef {
  std::string Name;
  std::vector<FieldDef> Fields;  //!< in table order; programs address fields by position
  std::string IndexName;         //!< index of the link field (empty for InitData)
  std::string LinkField;         //!< field holding the Rect_Id of the calculation

  //! Position of the named field, -1 when the table has none.
  int FieldIndex(std::string_view name) const;
  const FieldDef& Field(std::string_view name) const;  //!< throws std::logic_error
};

//! Largest number of components a stored calculation has room for.
inline constexpr int kMaxStoredComponents = 7;

const TableDef& InitDataTable();
const TableDef& AddDataTable();
const TableDef& RctResultTable();
//! The three tables in the order they are created.
std::vector<const TableDef*> ResultsTables();

//! Declared SQL type of a field ("SMALLINT", "VARCHAR(20)", ...).
std::string SqlType(const FieldDef& field);
//! CREATE TABLE statement of a table.
std::string CreateTableSql(const TableDef& table);

//! Creates the three tables and the indexes of their link fields.
//! Throws DatabaseError; the caller owns the transaction.
void CreateSchema(QSqlDatabase& database);

//! Where an existing database departs from the layout above.
struct LayoutProblem {
  std::string Table;
  std::string Field;   //!< the expected field; empty when the whole table is missing
  int Position = -1;   //!< position of that field
  bool Extra = false;  //!< Field is one the layout does not have, at Position
};

//! Compares the tables of an open database with the layout above: every
//! table present with exactly its fields, by name and in order. Reads only.
//! Throws DatabaseError when the file cannot be read as a database.
std::optional<LayoutProblem> FindLayoutProblem(QSqlDatabase& database);

//! True when the database holds no table at all (a new, empty file).
//! Reads only; throws DatabaseError when the file is not a database.
bool HasNoTables(QSqlDatabase& database);

}  // namespace vexilor::store
