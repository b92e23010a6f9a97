// A temporary working folder holding copies of the report templates and the
// style sheet: the process works in it for the lifetime of the object.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vexilor::testing {

class ReportWorkingFolder {
 public:
  ReportWorkingFolder();
  ~ReportWorkingFolder();
  ReportWorkingFolder(const ReportWorkingFolder&) = delete;
  ReportWorkingFolder& operator=(const ReportWorkingFolder&) = delete;

  //! Absolute path of a file in the folder.
  QString Path(const QString& name) const;
  void Remove(const QString& name) const;
  void Write(const QString& name, const QByteArray& content) const;

 private:
  QTemporaryDir dir_;
  QString previous_;
};

//! Standard output of a program run to its end; empty when it fails.
QString RunTool(const QString& program, const QStringList& arguments);

//! The text of a PDF file as pdftotext lays it out (one table row a line),
//! ligatures spelt out.
QString PdfText(const QString& path);

}  // namespace vexilor::testing
