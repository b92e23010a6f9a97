// A main window shown in a working folder of its own, in a chosen language.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_user_dialog.h"
#include "gui/support/modal_driver.h"

namespace vexilor::gui {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
  }
  void TearDown() override {
    dialogScope_.reset();
    dialog_.reset();
    window_.reset();
    QDir::setCurrent(savedFolder_);
    Lang = 0;
  }

  //! Copies a side file of the program into the working folder.
  void Provide(const char* name) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(VEXILOR_RESOURCES_DIR "/") + name,
                            folder.filePath(QString::fromLatin1(name))));
  }

  //! Shows the main window in the language, with the Qt user dialog
  //! installed, and counts the requests to end the program.
  MainWindow& Open(std::uint8_t lang) {
    Lang = lang;
    window_ = std::make_unique<MainWindow>();
    dialog_ = std::make_unique<QtUserDialog>(*window_);
    dialogScope_ = std::make_unique<DialogScope>(*dialog_);
    QObject::connect(window_.get(), &MainWindow::TerminateRequested, [this] { ++terminations; });
    window_->show();
    return *window_;
  }
  MainWindow& Window() { return *window_; }
  QtUserDialog& Dialogs() { return *dialog_; }

  QTemporaryDir folder;
  testing::ModalDriver driver;
  int terminations = 0;

 private:
  QString savedFolder_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<QtUserDialog> dialog_;
  std::unique_ptr<DialogScope> dialogScope_;
};

}  // namespace vexilor::gui
