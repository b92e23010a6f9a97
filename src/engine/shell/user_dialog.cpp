#include "engine/shell/user_dialog.h"

#include <cstdio>
#include <cstdlib>

#include "engine/shell/failures.h"

namespace vexilor {

namespace {
UserDialog* activeDialog = nullptr;
}

UserDialog& Dialog() {
  if (activeDialog == nullptr) {
    std::fputs("vexilor: no user dialog installed\n", stderr);
    std::abort();
  }
  return *activeDialog;
}

DialogScope::DialogScope(UserDialog& dialog) : previous_(activeDialog) {
  activeDialog = &dialog;
}

DialogScope::~DialogScope() {
  activeDialog = previous_;
}

void EndProgram(MessageKind kind, ButtonSet buttons, const std::string& text) {
  Dialog().ShowMessage(kind, buttons, text);
  throw ProgramTermination(text);
}

}  // namespace vexilor
