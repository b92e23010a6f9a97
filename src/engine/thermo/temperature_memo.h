// Terms of a model that depend on the temperature alone, remembered for a
// few temperatures. A bubble-temperature search samples the same three
// temperatures first every time (its bracket's ends and middle), so the
// exponentials and table lookups there need computing only once per model
// object. A remembered term is the very value the computation gave, so
// taking it again changes no bit of any result.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "engine/shell/real.h"

namespace vexilor {

template <class Terms>
class TemperatureMemo {
 public:
  //! Temperatures remembered: the three start samples of a bubble search.
  static constexpr std::size_t kSize = 3;

  //! The terms remembered for exactly this tau (same value and sign), or
  //! nullptr.
  const Terms* Find(Real tau) const {
    for (const Entry& entry : entries_) {
      if (entry.Valid && entry.Tau == tau && std::signbit(entry.Tau) == std::signbit(tau)) {
        return &entry.Value;
      }
    }
    return nullptr;
  }

  //! Remembers terms for tau in place of the oldest entry.
  void Remember(Real tau, const Terms& terms) {
    entries_[next_] = Entry{true, tau, terms};
    next_ = (next_ + 1) % kSize;
  }

 private:
  struct Entry {
    bool Valid = false;
    Real Tau = 0;
    Terms Value{};
  };
  std::array<Entry, kSize> entries_{};
  std::size_t next_ = 0;
};

}  // namespace vexilor
