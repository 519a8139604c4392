// A test hook in the file code that replaces files (the platform layer's replacing write
// and the .mst writer): every step (creating the temporary file, each write, the flush,
// the close, the rename) is counted, and a test can make the n-th step from now fail as
// a full disk or a lost device would. Header-only, so that the database library can use
// it without linking the program's base library.
#pragma once

namespace platform::faults {

struct State {
  int failing_step = 0;
  int steps_taken = 0;
};

inline State& CurrentState() {
  static State state;
  return state;
}

// The `step`-th file step from now fails (1 the next one); 0 lets every step succeed.
// Also restarts the count.
inline void FailStep(int step) { CurrentState() = {step, 0}; }

// The steps taken since the last FailStep.
inline int StepsTaken() { return CurrentState().steps_taken; }

// Called before each step: true when this one is to fail.
inline bool StepFails() {
  State& state = CurrentState();
  ++state.steps_taken;
  return state.failing_step != 0 && state.steps_taken == state.failing_step;
}

}  // namespace platform::faults
