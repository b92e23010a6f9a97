#include "gui/shell/home_page.h"

#include <spawn.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QTimer>

extern char** environ;

namespace vexilor::gui {

QString HomePageAddress(std::uint8_t lang) {
  return lang == 1 ? QStringLiteral("https://vexilor.example.org/en/download.html")
                   : QStringLiteral("https://vexilor.example.org/ru/download.html");
}

namespace {

// xdg-open hands the address to the browser and ends; its exit status is
// collected without blocking the window.
void CollectWhenFinished(pid_t pid) {
  auto* poll = new QTimer(QCoreApplication::instance());
  QObject::connect(poll, &QTimer::timeout, poll, [poll, pid] {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != 0) poll->deleteLater();
  });
  poll->start(500);
}

}  // namespace

int OpenInBrowser(const QString& address) {
  QByteArray program("xdg-open");
  QByteArray argument = address.toUtf8();
  char* arguments[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, program.constData(), nullptr, nullptr, arguments, environ);
  if (error != 0) return error;
  CollectWhenFinished(pid);
  return 0;
}

}  // namespace vexilor::gui
