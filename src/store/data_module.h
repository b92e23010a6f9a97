// The results database connection (the data module TDM): one SQLite file,
// DbRectif.db in the working folder unless told otherwise, holding the
// tables InitData, AddData and RctResult.
#pragma once

#include <QSqlDatabase>
#include <QString>

#include "store/database_error.h"

namespace vexilor::store {

//! Name of the results database file, looked up in the working folder.
inline constexpr const char* kDefaultDatabaseFile = "DbRectif.db";

class TDM {
 public:
  //! Connects the database at path. A missing file (or one without any
  //! table) gets the three tables; an existing file is first checked
  //! read-only and refused, untouched, when it is not a database or its
  //! tables differ from the layout. Throws DatabaseError with a message in
  //! the language of interface.
  explicit TDM(const QString& path = QString::fromLatin1(kDefaultDatabaseFile));
  ~TDM();
  TDM(const TDM&) = delete;
  TDM& operator=(const TDM&) = delete;

  //! The open connection (a handle; Qt shares it by name).
  QSqlDatabase Database() const;
  //! Absolute path of the database file.
  const QString& Path() const { return path_; }

  //! Record number (from 1, in Rect_Id order) of the calculation the
  //! stored-results report prints: the browser's current calculation.
  int ReportRecNo = 0;

 private:
  void CheckExistingFile();
  void OpenForWriting();

  QString path_;
  QString connectionName_;
};

}  // namespace vexilor::store
