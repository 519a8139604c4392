#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/station.h"
#include "headless/headless_app.h"
#include "support/temp_folder.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace {

namespace fs = std::filesystem;

class FakeEnvironment : public app::StartupEnvironment {
 public:
  std::string program_path = "C:\\Korvax\\Sorvano.exe";
  std::vector<std::string> arguments;
  bool lock_free = true;
  int32_t version = 400000;
  std::string lock_name;
  bool version_asked = false;

  std::string ProgramPath() const override { return program_path; }
  std::vector<std::string> Arguments() const override { return arguments; }
  bool AcquireInstanceLock(const std::string& name) override {
    lock_name = name;
    return lock_free;
  }
  int32_t LibraryVersion() override {
    version_asked = true;
    return version;
  }
};

// A fresh folder that holds the program file's name (the file itself is not needed).
class StartupFolder : public ::testing::Test {
 protected:
  std::string IniPath() const { return folder_.Name("Korvaxw.ini"); }
  void WriteIni(const std::string& text) const { PutBytes(IniPath(), text); }
  std::string ReadIni() const { return GetBytes(IniPath()); }

  headless::ScopedHeadlessApp app_;
  TempFolder folder_;
  std::string program_ = folder_.Name("Sorvano.exe");
};

TEST(InstanceMutexName, ReplacesEveryBackslashButNotTrailBytes) {
  EXPECT_EQ(app::InstanceMutexName("C:\\Korvax\\Sorvano.exe"), "C:_Korvax_Sorvano.exe_Awd_Mutex");
  // 表 is 0x95 0x5C: its second byte is not a folder separator.
  EXPECT_EQ(app::InstanceMutexName("D:\\\x95\x5C\\Sorvano.exe"),
            "D:_\x95\x5C_Sorvano.exe_Awd_Mutex");
}

TEST_F(StartupFolder, OnlyTheExactSwitchRegisters) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"-inst"}, {"/Inst"}, {"-INST"}, {"list.scsv", "-Inst"}}) {
    EXPECT_FALSE(app::RegisterWithLogger(program_, args));
  }
  EXPECT_FALSE(fs::exists(IniPath()));
  EXPECT_TRUE(app_.backend().shell_opens.empty());
}

struct SlotCase {
  const char* name;
  std::string before;
  std::string after;
};

TEST_F(StartupFolder, RegistersInTheFirstFreeSlotOrSlot19) {
  std::string all_taken = "[URL1]\r\n";
  std::string all_taken_then_ours = "[URL1]\r\n";
  for (int slot = 3; slot <= 19; ++slot) {
    all_taken += std::to_string(slot) + "=other" + std::to_string(slot) + ".exe\r\n";
    all_taken_then_ours +=
        std::to_string(slot) + "=" + (slot == 19 ? program_ : "other" + std::to_string(slot) + ".exe") + "\r\n";
  }
  all_taken += "\r\n";
  all_taken_then_ours += "\r\n[URL2]\r\n19=Sorvano\r\n\r\n";
  const SlotCase cases[] = {
      {"no file", "", "[URL1]\r\n3=" + program_ + "\r\n\r\n[URL2]\r\n3=Sorvano\r\n\r\n"},
      {"first empty slot wins; 1, 2 and 20 are not slots",
       "[URL1]\r\n1=a\r\n2=b\r\n3=c.exe\r\n4=\r\n20=z\r\n\r\n[URL2]\r\n3=C\r\n\r\n",
       "[URL1]\r\n1=a\r\n2=b\r\n3=c.exe\r\n4=" + program_ + "\r\n20=z\r\n\r\n[URL2]\r\n3=C\r\n4=Sorvano\r\n\r\n"},
      {"all taken overwrites 19", all_taken, all_taken_then_ours},
  };
  for (const SlotCase& test : cases) {
    SCOPED_TRACE(test.name);
    fs::remove(IniPath());
    if (!test.before.empty()) WriteIni(test.before);
    EXPECT_TRUE(app::RegisterWithLogger(program_, {"-Inst"}));
    EXPECT_EQ(ReadIni(), test.after);
  }
}

TEST_F(StartupFolder, AlreadyRegisteredInAnyCaseWritesNothingButOpensHelp) {
  const std::string before = "[URL1]\r\n7=\"C:\\TOOLS\\SORVANO.EXE\" -x\r\n\r\n[URL2]\r\n7=S\r\n\r\n";
  WriteIni(before);
  app_.backend().shell_open_succeeds = false;
  EXPECT_TRUE(app::RegisterWithLogger(program_, {"-Inst"}));
  EXPECT_EQ(ReadIni(), before);
  ASSERT_EQ(app_.backend().shell_opens.size(), 1u);
  EXPECT_EQ(app_.backend().shell_opens[0], folder_.Name("sorvano.html"));
  ASSERT_EQ(app_.backend().message_boxes.size(), 1u);
  EXPECT_EQ(app_.backend().message_boxes[0].caption, "Sorvano");
  EXPECT_EQ(app_.backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconError);
}

TEST_F(StartupFolder, BinaryLoggerSettingsAreLeftAlone) {
  const std::string binary("[URL1]\r\n3=x\0\x01\x02garbage", 18);
  WriteIni(binary);
  EXPECT_TRUE(app::RegisterWithLogger(program_, {"-Inst"}));
  EXPECT_EQ(ReadIni(), binary);
  ASSERT_EQ(app_.backend().message_boxes.size(), 1u);
  EXPECT_NE(app_.backend().message_boxes[0].text.find("Korvaxw.ini"), std::string::npos);
}

TEST(CheckInstanceAndLibrary, StopsSilentlyWhenAnotherInstanceRuns) {
  headless::ScopedHeadlessApp app;
  FakeEnvironment environment;
  environment.lock_free = false;
  environment.version = 1;
  EXPECT_TRUE(app::CheckInstanceAndLibrary(environment));
  EXPECT_EQ(environment.lock_name, "C:_Korvax_Sorvano.exe_Awd_Mutex");
  EXPECT_FALSE(environment.version_asked);
  EXPECT_TRUE(app.backend().message_boxes.empty());
}

TEST(CheckInstanceAndLibrary, RequiresLibraryVersion337920) {
  struct Case {
    int32_t version;
    bool stops;
  };
  for (const Case& test : {Case{337919, true}, Case{-1, true}, Case{337920, false}, Case{500000, false}}) {
    headless::ScopedHeadlessApp app;
    FakeEnvironment environment;
    environment.version = test.version;
    EXPECT_EQ(app::CheckInstanceAndLibrary(environment), test.stops) << test.version;
    if (test.stops) {
      ASSERT_EQ(app.backend().message_boxes.size(), 1u);
      EXPECT_EQ(app.backend().message_boxes[0].text,
                "\x8d\xc5\x90V\x82\xccKORVAX/Win\x82\xf0\x8eg\x82\xc1\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2");
      EXPECT_EQ(app.backend().message_boxes[0].caption, "Sorvano");
      EXPECT_EQ(app.backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconError);
    } else {
      EXPECT_TRUE(app.backend().message_boxes.empty());
    }
  }
}

TEST_F(StartupFolder, RunProgramCreatesBothFormsAndShowsTheMainWindow) {
  FakeEnvironment environment;
  environment.program_path = program_;
  const std::string list_file = folder_.Name("list.scsv");
  {
    std::ofstream list(list_file, std::ios::binary);
    list << "No,Name,Code,Place,Worked\r\n";
    for (int n = 1; n <= 9; ++n) list << "A-" << n << ",Name,0101" << n << ",Place\r\n";
  }
  environment.arguments = {list_file};
  std::vector<std::string> form_classes;
  bool main_form_visible = false;
  std::string caption;
  app_.backend().on_message_loop = [&] {
    for (ui::WidgetId id = 1; const auto* widget = app_.backend().Find(id); ++id) {
      if (widget->kind == ui::WidgetKind::kForm) form_classes.push_back(widget->class_name);
    }
    main_form_visible = ui::Application().MainForm()->Visible();
    caption = ui::Application().MainForm()->Caption();
  };
  EXPECT_EQ(app::RunProgram(environment), 0);
  EXPECT_EQ(form_classes, (std::vector<std::string>{"TStation", "TSorvaB"}));
  EXPECT_TRUE(main_form_visible);
  EXPECT_EQ(caption, "Sorvano Ver5.6b\x81\x40" + list_file);
  EXPECT_EQ(ui::Application().Title, "Sorvano");
  EXPECT_TRUE(app_.backend().message_boxes.empty());
}

TEST_F(StartupFolder, InstSwitchCreatesNoForm) {
  FakeEnvironment environment;
  environment.program_path = program_;
  environment.arguments = {"-Inst"};
  bool loop_ran = false;
  app_.backend().on_message_loop = [&] { loop_ran = true; };
  EXPECT_EQ(app::RunProgram(environment), 0);
  EXPECT_FALSE(loop_ran);
  EXPECT_TRUE(environment.lock_name.empty());
  EXPECT_TRUE(fs::exists(IniPath()));
}

}  // namespace
