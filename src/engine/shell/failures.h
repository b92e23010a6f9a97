// The three ways a calculation can be left early.
#pragma once

#include <stdexcept>
#include <string>

namespace vexilor {

//! A floating-point fault where the arithmetic of the system would trap:
//! overflow, invalid operation, division by zero, the logarithm of a
//! non-positive number, the square root of a negative one, or a loop that
//! does not come to an end. Carries the routine and the value that failed.
class NumericFailure : public std::runtime_error {
 public:
  NumericFailure(std::string routine, std::string what, long double value);

  const std::string& Routine() const { return routine_; }
  long double Value() const { return value_; }

 private:
  std::string routine_;
  long double value_;
};

//! Throws NumericFailure unless value is finite; returns value.
long double CheckFinite(long double value, const char* routine, const char* what);

//! Ends the whole program. Thrown after the user has been told why (or with
//! the text still to be shown by the top level, see Message()). Deliberately
//! not derived from std::exception, so no calculation guard swallows it;
//! only a program's top level catches it.
class ProgramTermination {
 public:
  ProgramTermination() = default;
  //! message: the text already shown to the user, kept for front ends that
  //! report the end elsewhere (the command line prints it on stderr).
  explicit ProgramTermination(std::string message) : message_(std::move(message)) {}

  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

//! The user asked to stop the running calculation. Not derived from
//! std::exception either: it passes every calculation guard and is caught
//! where the run ends.
class RunStopped {};

}  // namespace vexilor
