#include "gui/shell/file_actions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QPrintDialog>
#include <QTextEdit>

#include "gui/shell/about_dialog.h"
#include "gui/shell/main_window_fixture.h"
#include "gui/shell/memo_results_text.h"
#include "support/file_faults.h"

namespace vexilor::gui {
namespace {

class FileActionsTest : public MainWindowFixture {
 protected:
  QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  QByteArray Read(const char* name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  void Write(const char* name, const QByteArray& bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  //! Next step: the save dialog, answered with the file name.
  void ChooseInSaveDialog(const QString& fileName, QString* title = nullptr) {
    driver.On<QFileDialog>([fileName, title](QFileDialog* dialog) {
      if (title != nullptr) *title = dialog->windowTitle();
      EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
      dialog->selectFile(fileName);
      static_cast<QDialog*>(dialog)->accept();
    });
  }
  FileActions& Actions() { return Window().Actions(); }
};

TEST_F(FileActionsTest, SaveWithoutANameAsksOnceThenWritesToTheChosenFile) {
  MainWindow& window = Open(1);
  window.Results().Append("first");
  QString title;
  ChooseInSaveDialog(Path("out.txt"), &title);
  Actions().SavAction->trigger();
  EXPECT_EQ(title, QStringLiteral("Saving file"));
  EXPECT_EQ(Read("out.txt"), "first\r\n");
  EXPECT_EQ(Actions().CurrentFileName(), Path("out.txt"));

  // No dialog this time; the previous text becomes the backup.
  window.Results().Append("second");
  Actions().SavAction->trigger();
  EXPECT_EQ(Read("out.txt"), "first\r\nsecond\r\n");
  EXPECT_EQ(Read("out.bak"), "first\r\n");
}

TEST_F(FileActionsTest, SavingOverAFileReplacesTheOldBackup) {
  Write("out.v2.txt", "old text\r\n");
  Write("out.bak", "older backup\r\n");
  MainWindow& window = Open(2);
  window.Results().Append("new text");
  ChooseInSaveDialog(Path("out.v2.txt"));
  driver.AnswerMessage(QMessageBox::Yes);  // the dialog asks before replacing
  Actions().SavAsAction->trigger();
  EXPECT_EQ(Read("out.v2.txt"), "new text\r\n");
  EXPECT_EQ(Read("out.bak"), "old text\r\n");
}

TEST_F(FileActionsTest, ANewNameGetsTheDefaultExtensionAndNoBackup) {
  MainWindow& window = Open(1);
  window.Results().Append("text");
  ChooseInSaveDialog(Path("fresh"));
  Actions().SavAsAction->trigger();
  EXPECT_EQ(Read("fresh.txt"), "text\r\n");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"fresh.txt"});
}

TEST_F(FileActionsTest, AFailedWriteIsReportedAndTheNameKept) {
  MainWindow& window = Open(1);
  window.Results().Append("text");
  ChooseInSaveDialog(Path("kept.txt"));
  Actions().SavAsAction->trigger();
  ASSERT_EQ(Actions().CurrentFileName(), Path("kept.txt"));

  // The folder chosen in the dialog is gone when the text is written.
  ASSERT_TRUE(QDir(folder.path()).mkdir("gone"));
  driver.On<QFileDialog>([this](QFileDialog* dialog) {
    dialog->selectFile(Path("gone/out.txt"));
    QDir(Path("gone")).removeRecursively();
    static_cast<QDialog*>(dialog)->accept();
  });
  std::string error;
  driver.AnswerMessage(QMessageBox::Ok, &error);
  Actions().SavAsAction->trigger();
  EXPECT_NE(error.find("gone/out.txt"), std::string::npos) << error;
  EXPECT_EQ(Actions().CurrentFileName(), Path("kept.txt"));
}

// Whatever stops a save, the file and its backup keep what they held and
// the user is told.
class FailedSaveTest : public FileActionsTest {
 protected:
  //! out.txt saved twice ("first", then "second" added): the file holds
  //! both lines, its backup the first. Then "third" is added.
  void SaveTwice() {
    MainWindow& window = Open(1);
    window.Results().Append("first");
    ChooseInSaveDialog(Path("out.txt"));
    Actions().SavAction->trigger();
    window.Results().Append("second");
    Actions().SavAction->trigger();
    window.Results().Append("third");
    ASSERT_EQ(Read("out.txt"), "first\r\nsecond\r\n");
    ASSERT_EQ(Read("out.bak"), "first\r\n");
  }
  void ExpectReportedAndNothingLost(const std::string& message) {
    EXPECT_EQ(message.rfind("Cannot write file \"" + Path("out.txt").toStdString() + "\".", 0), 0u)
        << message;
    EXPECT_EQ(Read("out.txt"), "first\r\nsecond\r\n");
    EXPECT_EQ(Read("out.bak"), "first\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"out.bak", "out.txt"}));
    EXPECT_EQ(Window().ResultsMemo().Lines(),
              (std::vector<std::string>{"first", "second", "third"}));
  }
};

TEST_F(FailedSaveTest, AFolderThatRefusesNewFiles) {
  SaveTwice();
  std::string message;
  {
    testing::ReadOnlyFolder readOnly(folder.path().toStdString());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this file system cannot refuse new files";
    driver.AnswerMessage(QMessageBox::Ok, &message);
    Actions().SavAction->trigger();
  }
  ExpectReportedAndNothingLost(message);
}

TEST_F(FailedSaveTest, AFullDisk) {
  SaveTwice();
  std::string message;
  {
    // Room for the 15 bytes saved, not for the 22 of the three lines.
    testing::FileSizeLimit full(16);
    driver.AnswerMessage(QMessageBox::Ok, &message);
    Actions().SavAction->trigger();
  }
  EXPECT_NE(message.find("File too large"), std::string::npos) << message;
  ExpectReportedAndNothingLost(message);
}

TEST_F(FileActionsTest, AFileTooLargeForTheWindowIsRefusedAndTheTextKept) {
  {
    QFile huge(Path("huge.txt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(50 * 1024 * 1024));
  }
  MainWindow& window = Open(2);
  window.Results().Append("kept");
  driver.On<QFileDialog>([this](QFileDialog* dialog) {
    dialog->selectFile(Path("huge.txt"));
    static_cast<QDialog*>(dialog)->accept();
  });
  std::string message;
  driver.AnswerMessage(QMessageBox::Ok, &message);
  Actions().OpenAction->trigger();
  EXPECT_EQ(message, "Невозможно открыть файл \"" + Path("huge.txt").toStdString() +
                         "\". Файл слишком велик для окна результатов: открыть можно не более "
                         "8 МБ.");
  EXPECT_EQ(window.ResultsMemo().Lines(), std::vector<std::string>{"kept"});
  EXPECT_EQ(Actions().CurrentFileName(), QString());
}

TEST_F(FileActionsTest, OpenReplacesTheTextWithTheFilesLines) {
  Write("old.txt", "\xEA\xF3\xE1\r\nline 2\r\n");
  MainWindow& window = Open(2);
  window.Results().Append("to be replaced");
  driver.On<QFileDialog>([this](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Открытие файла"));
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Текстовые файлы (*.txt)"});
    dialog->selectFile(Path("old.txt"));
    static_cast<QDialog*>(dialog)->accept();
  });
  Actions().OpenAction->trigger();
  EXPECT_EQ(window.ResultsMemo().Lines(), (std::vector<std::string>{"куб", "line 2"}));
  EXPECT_EQ(Actions().CurrentFileName(), Path("old.txt"));
}

TEST_F(FileActionsTest, ExitAsksOnlyWhenThereIsText) {
  Open(1);
  Actions().CancAction->trigger();
  EXPECT_EQ(terminations, 1);

  Window().Results().Append("results");
  std::string question;
  driver.AnswerMessage(QMessageBox::Yes, &question).On<QFileDialog>([](QFileDialog* dialog) {
    dialog->reject();
  });
  Actions().CancAction->trigger();
  EXPECT_EQ(question, "Wish to keep the text with results in a file (y/n) ?");
  // Ends also when the save dialog was cancelled.
  EXPECT_EQ(terminations, 2);

  driver.AnswerMessage(QMessageBox::Yes);
  ChooseInSaveDialog(Path("kept.txt"));
  Actions().CancAction->trigger();
  EXPECT_EQ(Read("kept.txt"), "results\r\n");
  EXPECT_EQ(terminations, 3);
}

TEST_F(FileActionsTest, WithoutAPrinterTheTextIsPrintedIntoAPdfFile) {
  MainWindow& window = Open(1);
  window.SetPrinterAvailable(false);
  for (int line = 1; line <= 200; ++line) window.Results().Append("stage " + std::to_string(line));
  std::string question;
  // Whatever closes the print dialog, the printing is confirmed separately.
  driver.On<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); })
      .AnswerMessage(QMessageBox::Yes, &question);
  Actions().PrintAction->trigger();
  EXPECT_EQ(question, "Wish to print the document ?");
  EXPECT_TRUE(Read("Report.pdf").startsWith("%PDF"));

  // Declining the confirmation prints nothing.
  QFile::remove(Path("Report.pdf"));
  driver.On<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); })
      .AnswerMessage(QMessageBox::No);
  Actions().PrintAction->trigger();
  EXPECT_FALSE(QFile::exists(Path("Report.pdf")));
}

TEST_F(FileActionsTest, AboutShowsTheReadmeOfTheLanguageOrReportsItMissing) {
  Provide("ReadmeRu.txt");
  Open(2);
  QString shown;
  driver.On<AboutDialog>([&shown](AboutDialog* about) {
    EXPECT_EQ(about->windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(about->size(), QSize(488, 310));
    shown = about->findChild<QTextEdit*>("RichEdit1")->toPlainText();
    about->accept();
  });
  Actions().AboutAction->trigger();
  EXPECT_TRUE(shown.startsWith(QStringLiteral("Vexilor"))) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QStringLiteral("ректификации")));

  Actions().SetLang(1);  // ReadmeEn.txt is not in the folder
  std::string error;
  driver.AnswerMessage(QMessageBox::Ok, &error).On<AboutDialog>([&shown](AboutDialog* about) {
    shown = about->findChild<QTextEdit*>("RichEdit1")->toPlainText();
    about->accept();
  });
  Actions().AboutAction->trigger();
  EXPECT_NE(error.find("ReadmeEn.txt"), std::string::npos) << error;
  EXPECT_EQ(shown, QString());
}

TEST_F(FileActionsTest, AHomePageThatCannotBeOpenedReportsTheErrorCode) {
  Open(1);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", folder.path().toUtf8());  // no browser launcher here
  std::string message;
  driver.AnswerMessage(QMessageBox::Ok, &message);
  Actions().HomePageAction->trigger();
  qputenv("PATH", path);
  EXPECT_EQ(message, "Ошибка 2");
}

}  // namespace
}  // namespace vexilor::gui
