#include "cli/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vexilor::testing {

namespace {

// Single quotes for the shell.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string ReadText(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& folder) {
  std::string command = Quoted(program);
  for (const auto& argument : arguments) command += " " + Quoted(argument);
  const std::string out = folder + "/stdout";
  const std::string err = folder + "/stderr";
  command += " >" + Quoted(out) + " 2>" + Quoted(err) + " </dev/null";
  const int status = std::system(command.c_str());
  RunResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadText(out);
  result.err = ReadText(err);
  return result;
}

}  // namespace vexilor::testing
