#include "store/data_module.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <atomic>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "store/schema.h"

namespace vexilor::store {
namespace {

QString NextConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("vexilor-results-%1").arg(++counter);
}

std::string Utf8(const QString& text) {
  return text.toStdString();
}

[[noreturn]] void ThrowCannotOpen(const QString& path, const QString& reason) {
  throw DatabaseError(Format(std::string(ByLang("The results database %s cannot be opened: %s",
                                                "Базу данных результатов %s нельзя открыть: %s"))
                                 .c_str(),
                             Utf8(path).c_str(), Utf8(reason).c_str()));
}

[[noreturn]] void ThrowRefused(const QString& path, const std::string& reason) {
  throw DatabaseError(
      Format(std::string(ByLang("The file %s is not a results database of this program: %s. "
                                "The file is left as it is.",
                                "Файл %s не является базой данных результатов этой программы: "
                                "%s. Файл оставлен без изменений."))
                 .c_str(),
             Utf8(path).c_str(), reason.c_str()));
}

std::string Describe(const LayoutProblem& problem) {
  if (problem.Field.empty()) {
    return Format(std::string(ByLang("the table %s is missing", "нет таблицы %s")).c_str(),
                  problem.Table.c_str());
  }
  const char* format = problem.Extra ? ByLang("the table %s has an unknown field %s at position %d",
                                              "в таблице %s лишнее поле %s в позиции %d")
                                           .data()
                                     : ByLang("the table %s has no field %s at position %d",
                                              "в таблице %s нет поля %s в позиции %d")
                                           .data();
  return Format(format, problem.Table.c_str(), problem.Field.c_str(), problem.Position);
}

}  // namespace

TDM::TDM(const QString& path)
    : path_(QFileInfo(path).absoluteFilePath()), connectionName_(NextConnectionName()) {
  QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
  try {
    if (!database.isValid()) ThrowCannotOpen(path_, database.lastError().text());
    database.setDatabaseName(path_);
    const bool existed = QFileInfo::exists(path_);
    try {
      if (existed) CheckExistingFile();
      OpenForWriting();
    } catch (...) {
      // A file this constructor created and could not complete goes again.
      if (!existed && QFileInfo::exists(path_)) {
        QSqlDatabase::database(connectionName_, false).close();
        QFile::remove(path_);
      }
      throw;
    }
  } catch (...) {
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
    throw;
  }
}

TDM::~TDM() {
  {
    QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
    if (database.isOpen()) database.close();
  }
  QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase TDM::Database() const {
  return QSqlDatabase::database(connectionName_, false);
}

// An existing file is only read here, never written: a file that is not a
// database or holds other tables must come out byte for byte as it was.
void TDM::CheckExistingFile() {
  QSqlDatabase database = Database();
  database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
  if (!database.open()) ThrowCannotOpen(path_, database.lastError().text());
  std::optional<LayoutProblem> problem;
  try {
    if (!HasNoTables(database)) problem = FindLayoutProblem(database);
  } catch (const DatabaseError& error) {  // not an SQLite file at all
    database.close();
    ThrowRefused(path_, error.what());
  }
  database.close();
  if (problem) ThrowRefused(path_, Describe(*problem));
  database.setConnectOptions(QString());
}

void TDM::OpenForWriting() {
  QSqlDatabase database = Database();
  if (!database.open()) ThrowCannotOpen(path_, database.lastError().text());
  if (!HasNoTables(database)) return;
  // A new (or empty) file: all three tables or none.
  if (!database.transaction()) ThrowCannotOpen(path_, database.lastError().text());
  try {
    CreateSchema(database);
  } catch (const DatabaseError& error) {
    database.rollback();
    ThrowCannotOpen(path_, QString::fromStdString(error.what()));
  }
  if (!database.commit()) {
    const QString reason = database.lastError().text();
    database.rollback();
    ThrowCannotOpen(path_, reason);
  }
}

}  // namespace vexilor::store
