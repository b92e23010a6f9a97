// Fixture for tests that read or change the built-in database: it is loaded
// fresh for every test and reloaded afterwards, and the language flag is
// restored, so no test leaves anything behind for the next one.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "engine/shell/lang.h"
#include "engine/thermo/builtin_data.h"

namespace vexilor::testing {

class BuiltInDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadBuiltInData(); }
  void TearDown() override {
    LoadBuiltInData();
    Lang = savedLang_;
  }

 private:
  std::uint8_t savedLang_ = Lang;
};

}  // namespace vexilor::testing
