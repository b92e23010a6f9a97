#include "gui/shell/results_file.h"

#include <QFile>

#include "engine/shell/backup_file.h"
#include "engine/shell/lang.h"
#include "engine/shell/results_file.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

namespace {

QString Text(std::uint8_t lang, const char* english, const char* russian) {
  return ToQt(PickText(lang, english, russian));
}

}  // namespace

QString BackupName(const QString& fileName) {
  return QString::fromStdString(vexilor::BackupName(fileName.toStdString()));
}

void BackupOnSave(const QString& fileName) {
  vexilor::BackupOnSave(fileName.toStdString());
}

std::optional<std::vector<std::string>> ReadResultsFile(const QString& fileName, QString* error,
                                                        std::uint8_t lang) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error != nullptr) *error = file.errorString();
    return std::nullopt;
  }
  // A file known to be too large is refused before a byte is read; one
  // whose size the system does not tell (a device, a pipe) when it proves
  // too large.
  QByteArray bytes;
  if (file.size() <= kMaxResultsFileBytes) bytes = file.read(kMaxResultsFileBytes + 1);
  if (file.size() > kMaxResultsFileBytes || bytes.size() > kMaxResultsFileBytes) {
    if (error != nullptr) {
      *error =
          Text(lang, "The file is too large for the results window: at most %1 MB can be opened.",
               "Файл слишком велик для окна результатов: открыть можно не более %1 МБ.")
              .arg(kMaxResultsFileBytes / (1024 * 1024));
    }
    return std::nullopt;
  }
  if (file.error() != QFileDevice::NoError) {
    if (error != nullptr) *error = file.errorString();
    return std::nullopt;
  }
  return DecodeResultsFile(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<std::vector<std::string>> ReadResultsFileOrReport(QWidget* parent,
                                                                const QString& fileName,
                                                                std::uint8_t lang) {
  QString error;
  auto lines = ReadResultsFile(fileName, &error, lang);
  if (!lines) {
    ShowMessageBox(
        parent, MessageKind::Error, ButtonSet::Ok,
        FromQt(Text(lang, "Cannot open file \"%1\". %2", "Невозможно открыть файл \"%1\". %2")
                   .arg(fileName, error)));
  }
  return lines;
}

std::optional<QString> WriteResultsFile(const QString& fileName,
                                        const std::vector<std::string>& lines) {
  if (const auto error = vexilor::WriteResultsFile(fileName.toStdString(), lines)) {
    return QString::fromStdString(*error);
  }
  return std::nullopt;
}

}  // namespace vexilor::gui
