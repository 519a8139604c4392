// The link to the logging program under Wine, with two real processes: the program and
// the logger simulator (tools/logger_sim). The simulator's log shows what the program
// sent; its entry fields are what it answers a jump request with.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "app/command_ids.h"
#include "driver/app_process.h"
#include "driver/build_paths.h"
#include "driver/controls.h"
#include "driver/logger_sim.h"
#include "driver/poll.h"
#include "driver/program_folder.h"
#include "driver/screen_capture.h"
#include "driver/test_folder.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"
#include "program_test.h"

namespace {

using e2e::AppProcess;
using e2e::LoggedMessage;
using e2e::LoggerSimProcess;

constexpr std::uint32_t kJumpRequest = 0x00400073;
constexpr std::uint32_t kShowQso = 0x00020014;
constexpr char kMinimisedAtStart[] = "[Main]\r\nQSO=demo.mst\r\nPos=9,9,640,480,100,196,56,230,99,1,0\r\n";

// Row 1 has a worked entry for QSO 12; rows 1 and 4 share a code; row 5's number is
// what the remarks route finds from the keyword (the first 6 bytes of row 1).
std::string ListText() {
  std::string text = "No,Name,Code,QTH,Worked,Award\r\n";
  text += "AWD-01,Alpha,AB-123,Town,JA1AAA<12>\r\n";
  text += "AWD-02,Beta,AB-124,Village\r\n";
  text += "AWD-03,Gamma,CD-1,City\r\n";
  text += "AWD-04,Delta,AB-123,Town2\r\n";
  text += "AWD-015,Remark,XY-9,Hamlet\r\n";
  for (int n = 6; n <= 20; ++n) text += "AWD-1" + std::to_string(n) + ",Fill,FL-" + std::to_string(n) + ",Place\r\n";
  return text;
}

// The send record with the given lines filled, and its NUL.
std::string SendRecord(const std::string& code, const std::string& qth, const std::string& remarks1,
                       const std::string& remarks2) {
  std::string record;
  for (int line = 0; line < 15; ++line) {
    record += line == 8 ? code : line == 12 ? qth : line == 13 ? remarks1 : line == 14 ? remarks2 : "";
    record += "\r\n";
  }
  return record + std::string(1, '\0');
}

class LoggerLinkTest : public e2e::ProgramTest {
 protected:
  void Prepare(const std::string& settings = "[Main]\r\nQSO=demo.mst\r\n") {
    e2e::ProgramSetup setup;
    setup.settings = settings;
    setup.data_files.push_back({e2e::SourceFile("demo/demo.mst"), L"demo.mst"});
    Install(setup).Write(L"list.scsv", ListText());
  }
  void StartSimulator() { sim_ = std::make_unique<LoggerSimProcess>(folder().path(), L"demo.mst"); }
  void StartProgram() {
    app_ = Start(folder(), {folder().PathOf(L"list.scsv")});
    app_->WaitMainWindow();
    e2e::WaitFor("the selected target above the grid", [&] { return !Edit2().empty(); });
  }

  std::string Edit2() { return e2e::WindowTextUtf8(e2e::FindDescendant(app_->WaitMainWindow(), L"Edit")); }
  void WaitEdit2(const std::string& text) {
    e2e::WaitFor("\"" + text + "\" above the grid (it is \"" + Edit2() + "\")", [&] { return Edit2() == text; });
  }
  // The simulator's entry as the code (and remarks 2) it answers a jump with; then the jump.
  void Jump(const std::string& code, const std::string& remarks2 = "") {
    sim_->SetField(LoggerSimProcess::kCodeEdit, code);
    sim_->SetField(LoggerSimProcess::kRemarks2Edit, remarks2);
    app_->PostCommand(app::kCmdJ1);
  }
  void CloseBoth() {
    app_->Close();
    EXPECT_EQ(app_->WaitExit(), 0u);
    sim_->Close();
  }

  std::unique_ptr<LoggerSimProcess> sim_;
  std::unique_ptr<AppProcess> app_;
};

struct SendCase {
  const char* name;
  int rmks;  // "Set"/"Rmks": placement bits 0..2, 16 code and QTH, 32 Remarks 1, 64 Remarks 2, 2048 Korvax.mst
  std::uint32_t code;
  std::string record;
};

void PrintTo(const SendCase& send_case, std::ostream* out) { *out << send_case.name; }

class SendTargetTest : public LoggerLinkTest, public ::testing::WithParamInterface<SendCase> {};

TEST_P(SendTargetTest, TheSimulatorGetsTheExactRecord) {
  Prepare("[Main]\r\nQSO=demo.mst\r\n[Set]\r\nRmks=" + std::to_string(GetParam().rmks) + "\r\n");
  StartSimulator();
  StartProgram();
  app_->PostCommand(app::kCmdSent1);  // Ctrl+T
  const std::vector<LoggedMessage> log = sim_->WaitLog(0);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].code, GetParam().code);
  EXPECT_EQ(log[0].size, GetParam().record.size());
  EXPECT_EQ(log[0].data, GetParam().record);
  if (GetParam().rmks == 81) {
    EXPECT_EQ(sim_->Field(LoggerSimProcess::kCodeEdit), "AB-123");
    // Both windows side by side after the send, for a person to look at.
    SetWindowPos(app_->WaitMainWindow(), nullptr, 0, 0, 600, 480, SWP_NOZORDER);
    SetWindowPos(sim_->window(), HWND_TOP, 604, 0, 0, 0, SWP_NOSIZE);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(e2e::CaptureWindow(GetDesktopWindow()).SaveBmp(e2e::PictureFolder() + L"\\LoggerLinkTest-send.bmp"));
  }
  CloseBoth();
}

INSTANTIATE_TEST_SUITE_P(
    Options, SendTargetTest,
    ::testing::Values(
        SendCase{"CodeAndQthToRemarks2Right", 81, 0x0042002F, SendRecord("AB-123", "Town", "", "AWD-01,Alpha")},
        SendCase{"RemarksOnlyOverwrite", 64, 0x0042000F, SendRecord("", "", "", "AWD-01,Alpha")},
        SendCase{"Remarks1Left", 50, 0x0042004F, SendRecord("AB-123", "Town", "AWD-01,Alpha", "")},
        SendCase{"KorvaxMstRight", 2129, 0x00C2002F, SendRecord("AB-123", "Town", "", "AWD-01,Alpha")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoggerLinkTest, TheLinkFollowsTheSimulatorComingAndGoing) {
  Prepare();
  StartProgram();
  StartSimulator();
  // Found within one search interval (2.5 s) of its start.
  std::this_thread::sleep_for(std::chrono::milliseconds(3500));
  app_->PostCommand(app::kCmdSent1);
  EXPECT_EQ(sim_->WaitLog(0, e2e::Timeout{5000}).size(), 1u);
  sim_->Close();
  std::this_thread::sleep_for(std::chrono::milliseconds(3000));
  app_->PostCommand(app::kCmdSent1);  // a beep now, and the program carries on
  app_->PostCommand(app::kCmdJ1);
  app_->Close();
  EXPECT_EQ(app_->WaitExit(), 0u);
}

TEST_F(LoggerLinkTest, JumpSelectsTheTargetTheEntryNames) {
  Prepare();
  StartSimulator();
  StartProgram();
  Jump("AB-124");
  WaitEdit2("AWD-02,Beta,AB-124,Village");
  const std::vector<LoggedMessage> log = sim_->WaitLog(0);
  EXPECT_EQ(log[0].code, kJumpRequest);
  EXPECT_EQ(log[0].size, 0u);
  EXPECT_EQ(log[0].data, std::nullopt);

  Jump("AB-123");  // the same code twice steps on to the next row that has it
  WaitEdit2("AWD-01,Alpha,AB-123,Town");
  Jump("AB-123");
  WaitEdit2("AWD-04,Delta,AB-123,Town2");
  Jump("AB-12");  // no such code: the shortened key finds AB-123
  WaitEdit2("AWD-01,Alpha,AB-123,Town");
  Jump("AB-124", "AWD-015,Remark");  // the award keyword in the remarks wins
  WaitEdit2("AWD-015,Remark,XY-9,Hamlet");

  Jump("ZZ-9");
  const e2e::MessageBoxView box = app_->WaitMessageBox();
  EXPECT_EQ(box.Caption(), "ZZ-9,");
  EXPECT_EQ(box.Text().rfind("Korvax == ZZ-9,", 0), 0u) << box.Text();
  box.Press(IDOK);
  e2e::WaitFor("the box gone", [&] { return !IsWindowVisible(box.handle()); });
  EXPECT_EQ(Edit2(), "AWD-015,Remark,XY-9,Hamlet");
  CloseBoth();
}

TEST_F(LoggerLinkTest, ShowAsksForTheQsoOfTheSelectedEntry) {
  Prepare();
  StartSimulator();
  StartProgram();
  app_->PostCommand(app::kCmdShow1);
  const std::vector<LoggedMessage> log = sim_->WaitLog(0);
  EXPECT_EQ(log[0].code, kShowQso);
  EXPECT_EQ(log[0].data, std::string("12\0", 3));
  e2e::WaitFor("QSO 12 shown in the simulator",
               [&] { return sim_->Field(LoggerSimProcess::kQsoView).rfind("QSO 12\r\n", 0) == 0; });
  CloseBoth();
}

TEST_F(LoggerLinkTest, TriggerFromTheLoggerRestoresAndTheSendMinimisesAgain) {
  Prepare(kMinimisedAtStart);
  StartSimulator();
  StartProgram();
  HWND main = app_->WaitMainWindow();
  e2e::WaitFor("the window minimised at start", [&] { return IsIconic(main) != 0; });
  sim_->SetField(LoggerSimProcess::kCodeEdit, "AB-124");
  // The operator works in the logger, which is the active program when its button is used.
  SetForegroundWindow(sim_->window());
  e2e::WaitFor("the simulator active", [&] { return GetForegroundWindow() == sim_->window(); });
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  sim_->ClickTrigger();
  e2e::WaitFor("the window restored by the entry", [&] { return IsIconic(main) == 0; });
  WaitEdit2("AWD-02,Beta,AB-124,Village");
  app_->PostCommand(app::kCmdSent1);
  e2e::WaitFor("the window minimised after the send", [&] { return IsIconic(main) != 0; });
  const std::vector<LoggedMessage> log = sim_->WaitLog(1);
  EXPECT_EQ(log[0].code, kJumpRequest);
  EXPECT_EQ(log.back().data, SendRecord("AB-124", "Village", "", "AWD-02,Beta"));
  CloseBoth();
}

TEST_F(LoggerLinkTest, HostileBlocksFromAnotherProcessAreSurvived) {
  Prepare();
  StartProgram();
  HWND main = app_->WaitMainWindow();
  const std::string before = Edit2();
  auto send = [&](ULONG_PTR code, const std::string* data, DWORD size) {
    COPYDATASTRUCT block{code, size, data ? const_cast<char*>(data->data()) : nullptr};
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&block), SMTO_NORMAL, 20000, &answer);
    ASSERT_FALSE(app_->HasExited()) << "after a block of " << size << " bytes";
  };
  // A megabyte without a terminator and without a code. (Ten megabytes, which the unit
  // tests take, end the receiving process inside Wine's own message transfer.)
  const std::string megabyte(1024 * 1024, '\n');
  send(0, &megabyte, static_cast<DWORD>(megabyte.size()));
  const std::string many_lines = std::string(8, '\r') + std::string(100000, ' ') + std::string(10000, '\n');
  send(0, &many_lines, static_cast<DWORD>(many_lines.size()));
  const std::string binary("\x00\xff\r\n\x82", 5);  // a lead byte at the very end
  send(0, &binary, static_cast<DWORD>(binary.size()));
  send(0, nullptr, 64);  // no data, though a size is claimed
  EXPECT_EQ(Edit2(), before);
  EXPECT_FALSE(e2e::AnyDialogVisible(app_->id()));
  app_->Close();  // the list is unchanged: no question
  EXPECT_EQ(app_->WaitExit(), 0u);
}

}  // namespace
