// The file commands of the main window (open, save, save as, print, font,
// about, home page, exit), shared by the menu, the tool bar and the Exit
// button. They all work on the results text.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

class QAction;
class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace vexilor::gui {

class MemoResultsText;

class FileActions : public QObject {
  Q_OBJECT
 public:
  //! window: parent of the dialogs the commands open.
  explicit FileActions(QWidget* window);
  ~FileActions() override;

  //! The results text every command works on.
  void SetResultsText(MemoResultsText* text, QPlainTextEdit* memo);
  //! The language copy of the commands.
  void SetLang(std::uint8_t lang) { lang_ = lang; }
  std::uint8_t LangCopy() const { return lang_; }
  //! Without a printer, Print offers a PDF file instead.
  void SetPrinterAvailable(bool available) { printerAvailable_ = available; }

  //! Name of the file the results text was last opened from or saved to.
  const QString& CurrentFileName() const { return currentFileName_; }

  void Open();
  void Save();
  //! Asks for a name and writes the text there; on success stores the name
  //! in place. Returns false when cancelled or when writing failed.
  bool SaveAs(QString& place);
  void Print();
  void ChooseFont();
  void About();
  void HomePage();
  //! Offers to keep a non-empty results text in a file, then asks the
  //! program to end.
  void Exit();

  QAction* OpenAction;
  QAction* SavAction;
  QAction* SavAsAction;
  QAction* CancAction;  //!< Exit; the main window decides when it may run
  QAction* PrintAction;
  QAction* FontAction;
  QAction* AboutAction;
  QAction* HomePageAction;

 signals:
  void TerminateRequested();

 private:
  //! Backs the file up and writes the text; reports a failure.
  bool WriteTo(const QString& fileName);
  QString Text(const char* english, const char* russian) const;

  QWidget* window_;
  MemoResultsText* text_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  std::uint8_t lang_ = 0;
  bool printerAvailable_ = true;
  QString currentFileName_;
  QString exitQuestion_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace vexilor::gui
