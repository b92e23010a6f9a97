// Helpers of the results-database tests: a temporary working folder, raw
// file bytes, one-value queries and the sqlite3 command-line shell.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>
#include <optional>

#include "engine/shell/lang.h"
#include "store/data_module.h"

namespace vexilor::testing {

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

//! First column of the first row of a query; an invalid QVariant when
//! there is no row.
inline QVariant QueryValue(store::TDM& dm, const QString& sql) {
  QSqlQuery query(dm.Database());
  EXPECT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
  return query.next() ? query.value(0) : QVariant();
}

//! Output of the sqlite3 command-line shell for one command on a file;
//! nullopt when the shell is not installed.
inline std::optional<QString> SqliteShell(const QString& path, const QString& command) {
  const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
  if (shell.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(shell, {path, command});
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

//! A fresh working folder per test, English texts.
class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    Lang = 1;
  }
  QString DatabasePath() const { return folder.filePath(store::kDefaultDatabaseFile); }

  QTemporaryDir folder;
};

}  // namespace vexilor::testing
