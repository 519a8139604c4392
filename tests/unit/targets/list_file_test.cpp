#include <sys/stat.h>

#include "support/station_fixture.h"
#include "ui/message_box.h"

namespace {

constexpr char kOpen1Title[] = "\x93\xb9\x82\xcc\x89w\x83t\x83@\x83" "C\x83\x8b\x82\xf0\x8aJ\x82\xad";

TEST_F(StationTest, MissingListOffersTheDialogAndCancelEndsTheProgram) {
  TStation& station = Start({Path("missing.scsv")});
  ASSERT_EQ(backend().open_dialogs.size(), 1u);
  EXPECT_EQ(backend().open_dialogs[0].title, kOpen1Title);
  EXPECT_EQ(backend().open_dialogs[0].default_ext, "SCSV");
  EXPECT_EQ(backend().open_dialogs[0].initial_dir, (folder_ / "").string());
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

TEST_F(StationTest, CancellingTheDialogReadsTheCurrentFileAgain) {
  WriteFile(Path("list.scsv"), ListText(9));
  TStation& station = Start({Path("list.scsv")});
  station.Save1->SetEnabled(true);
  WriteFile(Path("list.scsv"), ListText(11));  // changed on disk meanwhile
  station.O1->Click();                          // the dialog is cancelled
  EXPECT_EQ(station.TargetLines.size(), 12u);
  EXPECT_TRUE(station.Save1->Enabled());
}

TEST_F(StationTest, AFailedOpenKeepsTheListWithItsOwnName) {
  WriteFile(Path("list.scsv"), ListText(9));
  TStation& station = Start({Path("list.scsv")});
  backend().open_dialog_answers = {Path("nothing-here.scsv")};
  station.O1->Click();
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(station.ListFileName, Path("list.scsv"));
  EXPECT_EQ(station.TargetLines.size(), 10u);
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
