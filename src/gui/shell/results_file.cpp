#include "gui/shell/results_file.h"

#include <QFile>
#include <QSaveFile>

#include "engine/shell/cp1251.h"
#include "engine/shell/results_text.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

QString BackupName(const QString& fileName) {
  const qsizetype componentStart =
      std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\'))) + 1;
  const qsizetype dot = fileName.indexOf(QLatin1Char('.'), componentStart);
  return (dot < 0 ? fileName : fileName.left(dot)) + QStringLiteral(".bak");
}

void BackupOnSave(const QString& fileName) {
  const QString backup = BackupName(fileName);
  // A file already named like its backup would be deleted before it could
  // be renamed: it is left to be overwritten as it is.
  if (backup == fileName) return;
  {
    QFile original(fileName);
    if (!original.open(QIODevice::ReadOnly)) return;
  }
  QFile::remove(backup);
  QFile::rename(fileName, backup);
}

std::optional<std::vector<std::string>> ReadResultsFile(const QString& fileName, QString* error) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error != nullptr) *error = file.errorString();
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (IsValidUtf8(text)) {
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  } else {
    text = Cp1251ToUtf8(text);
  }
  if (text.empty()) return std::vector<std::string>{};
  if (text.ends_with("\r\n")) {
    text.resize(text.size() - 2);
  } else if (text.ends_with('\n') || text.ends_with('\r')) {
    text.pop_back();
  }
  return SplitLines(text);
}

std::optional<std::vector<std::string>> ReadResultsFileOrReport(QWidget* parent,
                                                                const QString& fileName) {
  QString error;
  auto lines = ReadResultsFile(fileName, &error);
  if (!lines) {
    ShowMessageBox(parent, MessageKind::Error, ButtonSet::Ok,
                   FromQt(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, error)));
  }
  return lines;
}

std::string EncodeResultsFile(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  // An empty text is still followed by its one line break.
  if (lines.empty()) text = "\r\n";
  return Utf8ToCp1251(text);
}

std::optional<QString> WriteResultsFile(const QString& fileName,
                                        const std::vector<std::string>& lines) {
  const std::string bytes = EncodeResultsFile(lines);
  QSaveFile file(fileName);
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    const QString error = file.errorString();
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace vexilor::gui
