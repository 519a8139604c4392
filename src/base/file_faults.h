// A test hook in the platform file code: every step of a replacing write (creating the
// temporary file, each write, the flush, the close, the rename) is counted, and a test
// can make the n-th step from now fail as a full disk or a lost device would.
#pragma once

namespace platform::faults {

// The `step`-th file step from now fails (1 the next one); 0 lets every step succeed.
// Also restarts the count.
void FailStep(int step);
// The steps taken since the last FailStep.
int StepsTaken();
// Called by the platform code before each step: true when this one is to fail.
bool StepFails();

}  // namespace platform::faults
