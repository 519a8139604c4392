// Lets a failing test's program windows stay up for the wrapper's screenshot
// (run_e2e.sh); the wrapper ends them afterwards.
#include <gtest/gtest.h>

#include "driver/app_process.h"

namespace {

const bool kInstalled = [] {
  e2e::LeaveRunningOnFailure(&::testing::Test::HasFailure);
  return true;
}();

}  // namespace
