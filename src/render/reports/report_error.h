// A report that cannot be made: the message is meant for the user, in the
// language the report was asked for, and names the file concerned.
#pragma once

#include <stdexcept>

namespace vexilor::render {

class ReportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vexilor::render
