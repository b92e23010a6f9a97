// The one kind of failure the results database reports: the text of the
// database engine (or our own, in the language of interface), meant to be
// shown to the user once.
#pragma once

#include <stdexcept>
#include <string>

namespace vexilor::store {

class DatabaseError : public std::runtime_error {
 public:
  explicit DatabaseError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vexilor::store
