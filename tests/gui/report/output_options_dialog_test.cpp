#include "gui/report/output_options_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "engine/shell/lang.h"
#include "support/scripted_dialog.h"

namespace vexilor::gui {
namespace {

class OutputOptionsDialogTest : public ::testing::Test {
 protected:
  OutputOptionsDialogTest() : scope_(dialog_), previousFolder_(QDir::currentPath()) {
    Lang = 1;
    QDir::setCurrent(folder_.path());
  }
  ~OutputOptionsDialogTest() override {
    QDir::setCurrent(previousFolder_);
    Lang = savedLang_;
  }

  //! Types a file name as the user does: text, then leaving the field.
  static void TypeFileName(OutputOptionsDialog& options, const QString& name) {
    options.FileNameEdit()->setText(name);
    emit options.FileNameEdit()->editingFinished();
  }

  std::uint8_t savedLang_ = Lang;
  testing::ScriptedDialog dialog_;
  DialogScope scope_;
  QTemporaryDir folder_;
  QString previousFolder_;
};

TEST_F(OutputOptionsDialogTest, FileControlsServeOnlyTheFileDestination) {
  OutputOptionsDialog options({});
  EXPECT_EQ(options.windowTitle(), "Output Options");
  EXPECT_TRUE(options.PreviewButton()->isChecked());
  EXPECT_FALSE(options.FileNameEdit()->isEnabled());
  EXPECT_FALSE(options.FormatBox()->isEnabled());
  options.FileButton()->setChecked(true);
  EXPECT_TRUE(options.FileNameEdit()->isEnabled());
  EXPECT_TRUE(options.BrowseButton()->isEnabled());
  QStringList formats;
  for (int i = 0; i < options.FormatBox()->count(); ++i)
    formats << options.FormatBox()->itemText(i);
  EXPECT_EQ(formats, (QStringList{"Adobe Acrobat (PDF)", "Web Page (HTML)",
                                  "OpenDocument Text (ODT)", "Plain Text (TXT)"}));
}

TEST_F(OutputOptionsDialogTest, FileTypeAndExtensionFollowEachOther) {
  OutputOptionsDialog options({ReportDestination::File, render::ReportFormat::Pdf, {}});
  TypeFileName(options, "column");  // no extension: the type's is added
  EXPECT_EQ(options.FileNameEdit()->text(), "column.pdf");
  TypeFileName(options, "column.TXT");  // another type's extension chooses it
  EXPECT_EQ(options.Choice().Format, render::ReportFormat::Text);
  options.FormatBox()->setCurrentIndex(2);
  emit options.FormatBox()->activated(2);  // choosing a type changes the extension
  EXPECT_EQ(options.FileNameEdit()->text(), "column.odt");
  EXPECT_EQ(options.Choice().FileName, QDir(folder_.path()).filePath("column.odt"));
  TypeFileName(options, "v1.2/column.rtf");  // unknown extension: kept, type unchanged
  EXPECT_EQ(options.Choice().Format, render::ReportFormat::Odt);
}

TEST_F(OutputOptionsDialogTest, OkRefusesAFileWithoutNameAndAsksBeforeReplacing) {
  OutputOptionsDialog options({ReportDestination::File, render::ReportFormat::Pdf, {}});
  options.show();
  options.accept();
  ASSERT_EQ(dialog_.Messages.size(), 1u);
  EXPECT_EQ(dialog_.Messages[0].Kind, MessageKind::Warning);
  EXPECT_EQ(dialog_.Messages[0].Text, "Enter the name of the report file.");
  EXPECT_TRUE(options.isVisible());

  QFile existing(QDir(folder_.path()).filePath("old.pdf"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  TypeFileName(options, "old.pdf");
  dialog_.AnswerMessage(Answer::No).AnswerMessage(Answer::Yes);
  options.accept();
  EXPECT_TRUE(options.isVisible());
  options.accept();
  EXPECT_FALSE(options.isVisible());
  EXPECT_EQ(options.result(), QDialog::Accepted);
  ASSERT_EQ(dialog_.Messages.size(), 3u);
  EXPECT_EQ(dialog_.Messages[1].Kind, MessageKind::Confirmation);
  EXPECT_EQ(dialog_.Messages[1].Text,
            "The file \"" + existing.fileName().toStdString() + "\" already exists.\nReplace it?");
}

TEST_F(OutputOptionsDialogTest, BrowsedNameIsNotAskedAboutTwice) {
  const QString chosen = QDir(folder_.path()).filePath("chosen.html");
  QFile existing(chosen);
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  OutputOptionsDialog options({ReportDestination::File, render::ReportFormat::Pdf, {}});
  options.show();
  dialog_.AnswerSaveFile(chosen.toStdString());
  options.BrowseButton()->click();
  ASSERT_EQ(dialog_.SaveRequests.size(), 1u);
  EXPECT_EQ(dialog_.SaveRequests[0].Filter, "Adobe Acrobat (PDF)|*.pdf");
  EXPECT_EQ(options.Choice().Format, render::ReportFormat::Html);
  options.accept();
  EXPECT_EQ(options.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog_.Messages.empty());
}

TEST_F(OutputOptionsDialogTest, NextReportStartsFromTheLastConfirmedChoice) {
  QTimer::singleShot(0, [] {
    auto* options = qobject_cast<OutputOptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(options, nullptr);
    options->FileButton()->setChecked(true);
    options->FileNameEdit()->setText("kept.txt");
    options->accept();
  });
  const std::optional<OutputChoice> first = AskOutputOptions(nullptr);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->Format, render::ReportFormat::Text);

  OutputChoice shown;
  QTimer::singleShot(0, [&shown] {
    auto* options = qobject_cast<OutputOptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(options, nullptr);
    shown = options->Choice();
    options->reject();
  });
  EXPECT_FALSE(AskOutputOptions(nullptr).has_value());
  EXPECT_EQ(shown.Destination, ReportDestination::File);
  EXPECT_EQ(shown.FileName, first->FileName);
  EXPECT_EQ(shown.Format, render::ReportFormat::Text);
}

}  // namespace
}  // namespace vexilor::gui
