// What a long job on the GUI thread costs the window system: a progress bar told only
// when it would look different, and pending messages processed by the clock.
#include <gtest/gtest.h>

#include "headless/headless_app.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/message_pacer.h"

namespace {

class LongJobTest : public ::testing::Test {
 protected:
  headless::HeadlessBackend& backend() { return app_.backend(); }
  const headless::HeadlessBackend::WidgetState& BarState() { return backend().At(bar_.Id()); }

  headless::ScopedHeadlessApp app_;
  ui::TForm form_{"TTestForm"};
  ui::TProgressBar bar_{form_};
};

TEST_F(LongJobTest, TheBarIsToldOnlyWhenItWouldBeDrawnDifferently) {
  bar_.SetBounds({10, 10, 200, 16});
  bar_.SetMax(20000);
  const int before = BarState().progress_updates;
  for (int position = 0; position <= 20000; ++position) bar_.SetPosition(position);
  // One update a pixel of the 200-pixel bar, and the end exactly.
  EXPECT_LE(BarState().progress_updates - before, 201);
  EXPECT_GE(BarState().progress_updates - before, 200);
  EXPECT_EQ(BarState().progress_position, 20000);
  EXPECT_EQ(bar_.Position(), 20000);

  // Back to the start is always shown, also within the first pixel.
  bar_.SetPosition(0);
  EXPECT_EQ(BarState().progress_position, 0);
  bar_.SetPosition(0);
  bar_.SetMax(20000);
  EXPECT_EQ(BarState().progress_max, 20000);
}

TEST_F(LongJobTest, PendingMessagesAreProcessedByTheClockNotByTheItem) {
  int pumps = 0;
  backend().on_process_messages = [&] { ++pumps; };
  backend().tick_step_ms = 1;  // every reading of the clock a millisecond later
  ui::MessagePacer pacer(30);
  int pumped = 0;
  for (int item = 0; item < 3000; ++item) pumped += pacer.Pump() ? 1 : 0;
  EXPECT_EQ(pumps, pumped);
  // 3000 calls read the clock about 3000 times: roughly one pump every 30 ms.
  EXPECT_GE(pumps, 80);
  EXPECT_LE(pumps, 100);
}

}  // namespace
