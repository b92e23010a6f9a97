#include "working_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

namespace vexilor::testing {

ReportWorkingFolder::ReportWorkingFolder() : previous_(QDir::currentPath()) {
  const QDir resources(QStringLiteral(VEXILOR_RESOURCES_DIR));
  const QStringList files =
      resources.entryList({QStringLiteral("*.html"), QStringLiteral("*.css")}, QDir::Files);
  for (const QString& name : files) {
    EXPECT_TRUE(QFile::copy(resources.filePath(name), Path(name))) << name.toStdString();
  }
  QDir::setCurrent(dir_.path());
}

ReportWorkingFolder::~ReportWorkingFolder() {
  QDir::setCurrent(previous_);
}

QString ReportWorkingFolder::Path(const QString& name) const {
  return dir_.filePath(name);
}

void ReportWorkingFolder::Remove(const QString& name) const {
  QFile::remove(Path(name));
}

void ReportWorkingFolder::Write(const QString& name, const QByteArray& content) const {
  QFile file(Path(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(content);
}

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& path) {
  // The fonts set "fi", "ffi" and the like as ligatures; compatibility
  // normalisation spells them out again.
  return RunTool(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path, QStringLiteral("-")})
      .normalized(QString::NormalizationForm_KC);
}

}  // namespace vexilor::testing
