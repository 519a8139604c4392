#include "base/file_faults.h"

namespace platform::faults {
namespace {

int failing_step = 0;
int steps_taken = 0;

}  // namespace

void FailStep(int step) {
  failing_step = step;
  steps_taken = 0;
}

int StepsTaken() { return steps_taken; }

bool StepFails() {
  ++steps_taken;
  return failing_step != 0 && steps_taken == failing_step;
}

}  // namespace platform::faults
