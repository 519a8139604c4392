// The Help menu's items open their pages through the shell.
#include "support/station_fixture.h"
#include "update/web_pages.h"

namespace {

class HelpMenuTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    WriteFile(Path("list.scsv"), ListText(20));
    Start({Path("list.scsv")});
  }
};

TEST_F(HelpMenuTest, EveryItemOpensItsPage) {
  struct Case {
    ui::TMenuItem* item;
    std::string opened;
  };
  TStation& station = *station_;
  const Case cases[] = {
      {station.Help1.get(), Path("sorvano.html")},
      {station.N2.get(), std::string(update::kWebPages[0])},
      {station.N3.get(), std::string(update::kWebPages[1])},
      {station.N14.get(), std::string(update::kWebPages[2])},
      {station.ZA1.get(), std::string(update::kWebPages[3])},
      {station.G1.get(), std::string(update::kWebPages[4])},
      {station.H2.get(), std::string(update::kWebPages[5])},
  };
  for (const Case& c : cases) {
    backend().shell_opens.clear();
    c.item->Click();
    EXPECT_EQ(backend().shell_opens, std::vector<std::string>{c.opened}) << c.item->Tag;
  }
}

TEST_F(HelpMenuTest, WebSearchForTheLineAboveTheGrid) {
  station_->Edit2.SetText("\x81\xa0" "01,Kamome,0101,Place");
  station_->Go1->Click();
  station_->Edit2.SetText("A-1,Two");
  station_->Go1->Click();
  EXPECT_EQ(backend().shell_opens,
            std::vector<std::string>{"https://www.google.com/search?q=%e9%81%93%e3%81%ae%e9%a7%85Kamome"});
}

TEST_F(HelpMenuTest, AFailedOpenSaysSo) {
  backend().shell_open_succeeds = false;
  station_->H2->Click();
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(backend().message_boxes[0].caption, "Sorvano");
}

}  // namespace
