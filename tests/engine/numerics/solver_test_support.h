// Helpers shared by the solver tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "engine/shell/real.h"
#include "engine/shell/user_dialog.h"
#include "support/scripted_dialog.h"

namespace vexilor::testing {

//! A SolverVector holding the given leading values, zeros after them.
inline SolverVector Vec(std::initializer_list<Real> values) {
  SolverVector v{};
  std::copy(values.begin(), values.end(), v.begin());
  return v;
}

//! Names the instances of a parameterised test after the name field of
//! their case.
inline constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

//! Installs a scripted dialog for every test of the fixture, so that a
//! message the solvers show is recorded (and one not scripted fails).
class ScriptedDialogTest : public ::testing::Test {
 protected:
  ScriptedDialog dialog;
  DialogScope scope{dialog};
};

}  // namespace vexilor::testing
