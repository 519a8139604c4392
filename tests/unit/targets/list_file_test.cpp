#include <sys/stat.h>

#include <filesystem>
#include <cctype>
#include <map>
#include <tuple>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/station_fixture.h"
#include "ui/message_box.h"

namespace {

constexpr char kOpen1Title[] = "\x93\xb9\x82\xcc\x89w\x83t\x83@\x83" "C\x83\x8b\x82\xf0\x8aJ\x82\xad";

TEST_F(StationTest, MissingListOffersTheDialogAndCancelEndsTheProgram) {
  TStation& station = Start({Path("missing.scsv")});
  ASSERT_EQ(backend().open_dialogs.size(), 1u);
  EXPECT_EQ(backend().open_dialogs[0].title, kOpen1Title);
  EXPECT_EQ(backend().open_dialogs[0].default_ext, "SCSV");
  EXPECT_EQ(backend().open_dialogs[0].initial_dir, (folder_.path() / "").string());
  EXPECT_TRUE(ui::Application().Terminated());
  EXPECT_FALSE(station.Visible());
  EXPECT_TRUE(backend().message_boxes.empty());
}

TEST_F(StationTest, UnusableListsAreRefusedUntilAUsableOneIsChosen) {
  WriteFile(Path("nine.scsv"), ListText(8));                  // 9 lines
  WriteFile(Path("short.scsv"), ListText(8) + "OneField\r\n"  // 10 lines, one bad record
  );
  WriteFile(Path("binary.scsv"), std::string("\x01\x02,\xff\0\0zz", 8));
  WriteFile(Path("good.scsv"), ListText(9));
  backend().open_dialog_answers = {Path("short.scsv"), Path("binary.scsv"), Path("none.scsv"),
                                   Path("good.scsv")};
  TStation& station = Start({Path("nine.scsv")});
  EXPECT_EQ(backend().open_dialogs.size(), 4u);
  // The unreadable name is reported; the others are refused without a word.
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_NE(backend().message_boxes[0].text.find("none.scsv"), std::string::npos);
  EXPECT_EQ(station.ListFileName, Path("good.scsv"));
  EXPECT_TRUE(station.Visible());
  EXPECT_EQ(station.dGrid1.RowCount(), 10);
}

TEST_F(StationTest, SaveFailureKeepsTheOldFileAndTheUnsavedState) {
  const std::string original = ListText(9);
  WriteFile(Path("list.scsv"), original);
  TStation& station = Start({Path("list.scsv")});
  station.TargetLines[2] += ",JA1AAA<3>";
  station.Save1->SetEnabled(true);
  chmod(Path("list.scsv").c_str(), 0444);
  station.Save1->Click();
  chmod(Path("list.scsv").c_str(), 0644);
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_NE(backend().message_boxes[0].text.find("list.scsv"), std::string::npos);
  EXPECT_TRUE(station.Save1->Enabled());
  EXPECT_EQ(ReadFile(Path("list.scsv")), original);

  station.Save1->Click();
  EXPECT_FALSE(station.Save1->Enabled());
  EXPECT_NE(ReadFile(Path("list.scsv")).find("JA1AAA<3>\r\n"), std::string::npos);
}

// A NUL byte ended the list's text: the load says at which line, and a save asks first;
// No keeps every byte of the file and the unsaved state, Yes writes what is shown.
TEST_F(StationTest, AListCutShortAtANulIsNeverSavedOverItsFileWithoutAsking) {
  const std::string bytes = ListText(9) + std::string(1, '\0') + "11,tail,0111,x\r\n";
  WriteFile(Path("list.scsv"), bytes);
  TStation& station = Start({Path("list.scsv")});
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_NE(backend().message_boxes[0].text.find("list.scsv\r\n11"), std::string::npos);
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconWarning);

  station.Save1->SetEnabled(true);
  backend().message_box_answers = {ui::kIdNo};
  station.Save1->Click();
  ASSERT_EQ(backend().message_boxes.size(), 2u);
  EXPECT_EQ(backend().message_boxes[1].flags, ui::kMbYesNo | ui::kMbIconWarning | ui::kMbDefButton2);
  EXPECT_EQ(ReadFile(Path("list.scsv")), bytes);
  EXPECT_TRUE(station.Save1->Enabled());

  backend().message_box_answers = {ui::kIdYes};
  station.Save1->Click();
  EXPECT_FALSE(station.Save1->Enabled());
  EXPECT_EQ(ReadFile(Path("list.scsv")), ListText(9));
  // The file now holds the whole list: later saves do not ask.
  station.Save1->SetEnabled(true);
  station.Save1->Click();
  EXPECT_EQ(backend().message_boxes.size(), 3u);
}

TEST_F(StationTest, OpeningAnotherListAsksAboutChangesAndNoDiscardsThem) {
  const std::string first = ListText(9);
  WriteFile(Path("first.scsv"), first);
  WriteFile(Path("second.scsv"), ListText(15));
  TStation& station = Start({Path("first.scsv")});
  station.TargetLines[1] += ",X<1>";
  station.Save1->SetEnabled(true);
  backend().open_dialog_answers = {Path("second.scsv")};
  backend().message_box_answers = {ui::kIdNo};
  station.O1->Click();
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbYesNo | ui::kMbIconQuestion);
  EXPECT_FALSE(station.Save1->Enabled());
  EXPECT_EQ(ReadFile(Path("first.scsv")), first);
  EXPECT_EQ(station.ListFileName, Path("second.scsv"));
  EXPECT_EQ(station.dGrid1.RowCount(), 16);
  EXPECT_EQ(station.Caption(), "Sorvano Ver5.6b\x81@" + Path("second.scsv"));
}

// What the operator sees of the open list, and what a save would write where.
struct OpenListState {
  std::vector<std::string> lines;
  std::string file_name, caption, status;
  int row_count = 0, row = 0;
  bool unsaved = false;
  bool operator==(const OpenListState&) const = default;
};

OpenListState StateOf(TStation& station) {
  return {station.TargetLines,         station.ListFileName,     station.Caption(),
          station.StatBar1.PanelText(0), station.dGrid1.RowCount(), station.dGrid1.Row(),
          station.Save1->Enabled()};
}

// Files that can never become the open list, and opens that end without one.
class FailedOpenTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    WriteFile(Path("list.scsv"), ListText(9, {"", "JA1AAA<3>"}));
    WriteFile(Path("three.scsv"), ListText(2));
    WriteFile(Path("empty.scsv"), "");
    WriteFile(Path("binary.scsv"), std::string("MZ\x90\0\3\0\0\0,\r\n\xff\xff", 13));
    WriteFile(Path("one-field.scsv"), "No\r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\n");
    std::filesystem::create_directory(Path("folder.scsv"));
  }
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const char* name : {"list.scsv", "three.scsv", "empty.scsv", "binary.scsv", "one-field.scsv"}) {
      files[name] = ReadFile(Path(name));
    }
    return files;
  }
};

using Answer = std::optional<std::string>;
struct FailedOpenCase {
  const char* what;
  std::vector<std::vector<Answer>> opens;  // the dialog's answers, one list per Ctrl+O
  friend void PrintTo(const FailedOpenCase& c, std::ostream* out) { *out << c.what; }
};

const FailedOpenCase kFailedOpens[] = {
    {"short list, then a missing name", {{"three.scsv", "missing.scsv"}}},
    {"empty file, then cancel", {{"empty.scsv", std::nullopt}}},
    {"binary file, then a folder", {{"binary.scsv", "folder.scsv"}}},
    {"one-field records, then cancel", {{"one-field.scsv", std::nullopt}}},
    {"cancel at once", {{std::nullopt}}},
    {"three times over",
     {{"three.scsv", "missing.scsv"}, {"empty.scsv", std::nullopt}, {"binary.scsv", "folder.scsv"}}},
};

class FailedOpenSequenceTest : public FailedOpenTest,
                               public ::testing::WithParamInterface<std::tuple<FailedOpenCase, bool>> {};

TEST_P(FailedOpenSequenceTest, LeavesTheOpenListAsItWasAndSavesOnlyIntoItsFile) {
  const auto& [c, unsaved] = GetParam();
  TStation& station = Start({Path("list.scsv")});
  if (unsaved) {
    station.TargetLines[3] += ",JA9ZZZ<9>";
    station.Save1->SetEnabled(true);
    station.ClassifyKeyword(false);
  }
  const OpenListState before = StateOf(station);
  const auto files = Files();
  for (const auto& answers : c.opens) {
    for (const Answer& answer : answers) {
      backend().open_dialog_answers.push_back(answer ? Answer(Path(*answer)) : answer);
    }
    backend().message_box_answers = {ui::kIdNo};
    station.O1->Click();
  }
  // Only the unreadable names were reported; nothing asked about the changes.
  for (const auto& box : backend().message_boxes) EXPECT_EQ(box.flags & ui::kMbYesNo, 0u) << box.text;
  EXPECT_TRUE(StateOf(station) == before);
  EXPECT_EQ(Files(), files);

  // Ctrl+S and a close write the open list into its own file and nothing else.
  station.Save1->Click();
  EXPECT_TRUE(CloseAndEnd());
  auto expected = files;
  expected["list.scsv"].clear();
  for (const auto& line : before.lines) expected["list.scsv"] += line + "\r\n";
  EXPECT_EQ(Files(), expected);
}

INSTANTIATE_TEST_SUITE_P(Sequences, FailedOpenSequenceTest,
                         ::testing::Combine(::testing::ValuesIn(kFailedOpens), ::testing::Bool()),
                         [](const auto& info) {
                           std::string name;
                           for (const char* p = std::get<0>(info.param).what; *p; ++p) {
                             if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                           }
                           return name + (std::get<1>(info.param) ? "_Unsaved" : "_Saved");
                         });

TEST_F(FailedOpenTest, AFailedSaveOfTheChangesKeepsTheOpenListAndItsChanges) {
  TStation& station = Start({Path("list.scsv")});
  station.TargetLines[3] += ",JA9ZZZ<9>";
  station.Save1->SetEnabled(true);
  const OpenListState before = StateOf(station);
  WriteFile(Path("other.scsv"), ListText(12));
  chmod(Path("list.scsv").c_str(), 0444);
  backend().open_dialog_answers = {Path("other.scsv")};
  backend().message_box_answers = {ui::kIdYes};
  station.O1->Click();
  chmod(Path("list.scsv").c_str(), 0644);
  ASSERT_EQ(backend().message_boxes.size(), 2u);  // the question, then the write error
  EXPECT_NE(backend().message_boxes[1].text.find("list.scsv"), std::string::npos);
  EXPECT_TRUE(StateOf(station) == before);
}

TEST_F(FailedOpenTest, SavingThenReopeningTheSameFileShowsWhatWasSaved) {
  TStation& station = Start({Path("list.scsv")});
  station.TargetLines[3] += ",JA9ZZZ<9>";
  station.Save1->SetEnabled(true);
  const std::vector<std::string> changed = station.TargetLines;
  backend().open_dialog_answers = {Path("list.scsv")};
  backend().message_box_answers = {ui::kIdYes};
  station.O1->Click();
  EXPECT_EQ(station.TargetLines, changed);
  EXPECT_FALSE(station.Save1->Enabled());
}

TEST_F(StationTest, TooLongListsAreCutOnceWithAMessage) {
  WriteFile(Path("big.scsv"), ListText(30004));
  TStation& station = Start({Path("big.scsv")});
  EXPECT_EQ(station.TargetLines.size(), 30001u);
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconInformation);
  EXPECT_EQ(station.dGrid1.RowCount(), 30001);
}

}  // namespace
