// The main window's link to the logging program on the headless backend, with a fake
// WM_COPYDATA channel standing in for the logging program's window.
#include <string>
#include <vector>

#include "logger_link/link_protocol.h"
#include "support/station_fixture.h"
#include "ui/keys.h"
#include "ui/message_box.h"

namespace {

constexpr std::uintptr_t kLogger = 0x4242;
constexpr std::intptr_t kEntryWindow = 0x4343;

class StationLinkTest : public StationTest {
 protected:
  // The list (targets with worked entries for the first two) and the logging program
  // running, its window found by the first show.
  TStation& StartLinked(const std::string& settings = "") {
    if (!settings.empty()) WriteSettings(settings);
    WriteFile(Path("list.scsv"), ListText(30, {"JA1AAA<12>:x:JA2BBB(345)", "JA3CCC<7>"}));
    channel().windows["TKrxin"] = kLogger;
    channel().answer = kEntryWindow;
    return Start({Path("list.scsv")});
  }

  headless::FakeCopyDataChannel& channel() { return app_.copy_data(); }
  std::uintptr_t OwnHandle() { return channel().HandleOf(station_->Id()); }

  void Receive(std::uintptr_t code, const void* data, std::size_t size) {
    ui::CopyData block{code, data, size};
    ui::Event event{ui::EventKind::kCopyData};
    event.copy_data = &block;
    station_->Dispatch(event);
  }
  void ReceiveEntry(const std::string& code, const std::string& remarks1 = "") {
    std::string text;
    for (int line = 0; line < 15; ++line) text += (line == 8 ? code : line == 13 ? remarks1 : "") + "\r\n";
    Receive(0, text.data(), text.size());
  }

  // Moves the selection as the operator does, and lets the follow-up run.
  void SelectRow(int row) {
    station_->dGrid1.SetRow(row);
    station_->Timer2Timer();
  }
};

TEST_F(StationLinkTest, MenuFollowsTheLoggersWindow) {
  TStation& station = StartLinked("[Main]\r\nPos=9,9,640,480,100,196,56,230,99,1,0\r\n");
  EXPECT_EQ(station.KorvaxWnd, kLogger);
  for (auto* item : {station.Sent1.get(), station.J1.get(), station.Korvax1.get(), station.Show1.get(),
                     station.N4.get()}) {
    EXPECT_TRUE(item->Visible());
  }
  channel().windows.clear();
  station.Timer1Timer();
  EXPECT_EQ(station.KorvaxWnd, 0u);
  for (auto* item : {station.Sent1.get(), station.J1.get(), station.Korvax1.get(), station.Show1.get(),
                     station.N4.get()}) {
    EXPECT_FALSE(item->Visible());
  }
  // Without "start minimised" the minimise item stays hidden.
  channel().windows["TKrxin"] = kLogger;
  station.SorvaB->Check29.SetChecked(false);
  station.Timer1Timer();
  EXPECT_TRUE(station.Sent1->Visible());
  EXPECT_FALSE(station.N4->Visible());
}

TEST_F(StationLinkTest, SendTargetSendsTheRecordAndBringsTheEntryWindowForward) {
  TStation& station = StartLinked();
  SelectRow(3);
  station.Sent1->Click();
  ASSERT_EQ(channel().sent.size(), 1u);
  const auto& sent = channel().sent[0];
  EXPECT_EQ(sent.to, kLogger);
  EXPECT_EQ(sent.from, OwnHandle());
  EXPECT_EQ(sent.code, 0x0042002Fu);  // the default placement: right of the remarks
  std::string expected;
  for (int line = 0; line < 15; ++line) {
    expected += (line == 8 ? "013" : line == 12 ? "Place" : line == 14 ? "A-3,Name3" : "") + std::string("\r\n");
  }
  EXPECT_EQ(sent.data, expected + std::string(1, '\0'));
  EXPECT_EQ(sent.size, expected.size() + 1);
  EXPECT_EQ(station.EntryWindow, kEntryWindow);
  EXPECT_EQ(channel().brought_to_front, std::vector<std::uintptr_t>{static_cast<std::uintptr_t>(kEntryWindow)});

  // A logger that is gone: a beep and nothing sent.
  station.KorvaxWnd = 0;
  const int beeps = backend().beeps;
  station.Sent1->Click();
  station.J1->Click();
  EXPECT_EQ(channel().sent.size(), 1u);
  EXPECT_EQ(backend().beeps, beeps + 2);
}

TEST_F(StationLinkTest, ShowQsoSendsTheNumberOfTheChosenEntry) {
  TStation& station = StartLinked();
  SelectRow(1);
  EXPECT_EQ(station.Combo1.Items(), (std::vector<std::string>{"JA1AAA<12>", "JA2BBB(345)"}));
  EXPECT_TRUE(station.Show1->Enabled());
  station.Show1->Click();
  station.Combo1.SetItemIndex(1);
  station.Show1->Click();
  ASSERT_EQ(channel().sent.size(), 2u);
  EXPECT_EQ(channel().sent[0].code, 0x00020014u);
  EXPECT_EQ(channel().sent[0].data, std::string("12\0", 3));
  EXPECT_EQ(channel().sent[1].data, std::string("345\0", 4));
  EXPECT_EQ(channel().brought_to_front.size(), 2u);
}

TEST_F(StationLinkTest, TriggerAsksForTheEntryWhichSelectsTheTarget) {
  TStation& station = StartLinked("[Main]\r\nPos=9,9,640,480,100,196,56,230,99,1,0\r\n");
  ASSERT_TRUE(station.SorvaB->Check29.Checked());
  station.SetWindowState(ui::WindowState::kMinimized);
  // The logging program answers the jump request with its entry, while it handles it.
  channel().on_send = [&](const headless::FakeCopyDataChannel::Sent& sent) {
    if (sent.code == logger_link::kJumpRequest) ReceiveEntry("0117");
  };
  Receive(OwnHandle(), nullptr, 0);
  ASSERT_EQ(channel().sent.size(), 1u);
  EXPECT_EQ(channel().sent[0].code, 0x00400073u);
  EXPECT_EQ(channel().sent[0].data, std::nullopt);
  EXPECT_EQ(channel().sent[0].size, 0u);
  EXPECT_TRUE(station.FromLogger);
  EXPECT_EQ(station.dGrid1.Row(), 17);
  EXPECT_EQ(station.dGrid1.Col(), 1);
  EXPECT_EQ(station.dGrid1.TopRow(), 14);
  EXPECT_TRUE(station.Timer2.IsEnabled());
  EXPECT_EQ(station.GetWindowState(), ui::WindowState::kNormal);

  // Enter in the grid sends the target and gets the window out of the way again, though
  // bringing the logger forward deactivates the program on the way.
  channel().on_bring_to_front = [&](std::uintptr_t) { backend().Fire(station.Id(), ui::EventKind::kAppDeactivate); };
  station.Timer2Timer();
  int key = ui::kVkReturn;
  station.dGrid1KeyDown(key, 0);
  EXPECT_FALSE(station.FromLogger);
  EXPECT_EQ(channel().sent.back().code & 0xFFFF000Fu, 0x0042000Fu);
  EXPECT_EQ(station.GetWindowState(), ui::WindowState::kMinimized);
}

TEST_F(StationLinkTest, FromLoggerIsClearedByBringToFrontAndDeactivation) {
  TStation& station = StartLinked();
  station.FromLogger = true;
  backend().Fire(station.Id(), ui::EventKind::kAppDeactivate);
  EXPECT_FALSE(station.FromLogger);
  station.FromLogger = true;
  station.Korvax1->Click();
  EXPECT_FALSE(station.FromLogger);
  EXPECT_EQ(channel().brought_to_front, std::vector<std::uintptr_t>{kLogger});  // nothing sent yet
  EXPECT_EQ(station.GetWindowState(), ui::WindowState::kNormal);  // not "start minimised"
}

TEST_F(StationLinkTest, AnEmptyBlockWithAnotherCodeIsAnEmptyEntry) {
  TStation& station = StartLinked();
  SelectRow(5);
  Receive(12345, nullptr, 0);
  EXPECT_TRUE(channel().sent.empty());
  EXPECT_FALSE(station.FromLogger);
  EXPECT_EQ(station.dGrid1.Row(), 5);
  EXPECT_TRUE(backend().message_boxes.empty());
}

TEST_F(StationLinkTest, UnknownCodeShowsTheInformationBox) {
  TStation& station = StartLinked();
  SelectRow(5);
  ReceiveEntry("ZZ-9");
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(backend().message_boxes[0].caption, "ZZ-9,");
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconInformation);
  EXPECT_EQ(station.dGrid1.Row(), 5);
}

TEST_F(StationLinkTest, HostileBlocksLeaveTheListAlone) {
  TStation& station = StartLinked();
  const std::vector<std::string> lines_before = station.TargetLines;
  const std::string big(10 * 1024 * 1024, '\n');
  const std::string long_lines = std::string(8, '\n') + std::string(100000, 'A') + "\n" + std::string(10000, '\n');
  const std::string binary("\x00\xff\x81\r\x82", 5);
  Receive(0, big.data(), big.size());
  Receive(0, long_lines.data(), long_lines.size());
  Receive(0, binary.data(), binary.size());
  Receive(0, nullptr, 5000);  // a null block that claims a size
  EXPECT_EQ(station.TargetLines, lines_before);
  EXPECT_TRUE(station.Visible());
}

TEST_F(StationLinkTest, TallyNoticesGoToTheLogger) {
  TStation& station = StartLinked();
  station.SorvaB->SendLoggerNotice(logger_link::kOpenNotice);
  station.SorvaB->SendLoggerNotice(logger_link::kCloseNotice);
  ASSERT_EQ(channel().sent.size(), 2u);
  EXPECT_EQ(channel().sent[0].code, 0x0040001Bu);
  EXPECT_EQ(channel().sent[1].code, 0x0040001Cu);
  EXPECT_EQ(channel().sent[1].data, std::nullopt);
  station.KorvaxWnd = 0;
  station.SorvaB->SendLoggerNotice(logger_link::kOpenNotice);
  EXPECT_EQ(channel().sent.size(), 2u);
}

}  // namespace
