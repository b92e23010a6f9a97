// Runs a program as a user would from a shell, capturing what it prints.
#pragma once

#include <string>
#include <vector>

namespace vexilor::testing {

struct RunResult {
  int exitCode = -1;  //!< -1 when the program did not exit normally
  std::string out;
  std::string err;
};

//! Runs program with arguments, stdin empty, stdout and stderr captured
//! through files in folder.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& folder);

//! The text of a file (empty when it cannot be read).
std::string ReadText(const std::string& fileName);

}  // namespace vexilor::testing
