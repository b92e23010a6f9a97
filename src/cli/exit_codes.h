// Exit codes of vexilor-cli and the failure that carries code 2.
#pragma once

#include <stdexcept>

namespace vexilor::cli {

enum ExitCode : int {
  kExitSuccess = 0,
  kExitUsage = 1,          //!< the command line itself is wrong
  kExitBadInput = 2,       //!< unreadable or malformed file, invalid value
  kExitNoConvergence = 3,  //!< the calculation failed or did not converge
};

//! A value given on the command line or read from a file is not usable; the
//! message says which and why. Ends the command with kExitBadInput.
class BadInput : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vexilor::cli
