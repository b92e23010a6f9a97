#include "gui/dialogs/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

QString QtNameFilter(const std::string& filter) {
  const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return filters.join(QStringLiteral(";;"));
}

namespace {

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, ToQt(request.Title));
  dialog.setObjectName(mode == QFileDialog::AcceptSave ? QStringLiteral("SaveDialog")
                                                       : QStringLiteral("OpenDialog"));
  // The widget-based dialog behaves the same on every desktop (and in the
  // tests); the read-only box of some native dialogs has no meaning here.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
  dialog.setNameFilter(QtNameFilter(request.Filter));
  dialog.setDefaultSuffix(ToQt(request.DefaultExt));
  if (!request.InitialDir.empty()) dialog.setDirectory(ToQt(request.InitialDir));
  if (!request.ProposedName.empty()) dialog.selectFile(ToQt(request.ProposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

QString AskOpenFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

}  // namespace vexilor::gui
