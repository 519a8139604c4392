#include "dialog_fixture.h"

namespace {

constexpr char kPortableAndFixed[] = "\x88\xda\x93\xae\x82\xe0\x8c\xc5\x92\xe8\x82\xe0\x8f\x57\x8c\x76";  // 移動も固定も集計
constexpr char kPortableOnly[] = "\x88\xda\x93\xae\x8b\xc7\x82\xcc\x82\xdd\x8f\x57\x8c\x76";  // 移動局のみ集計
constexpr char kFixedOnly[] = "\x8c\xc5\x92\xe8\x8b\xc7\x82\xcc\x82\xdd\x8f\x57\x8c\x76";  // 固定局のみ集計
constexpr char kHiKita[] = "\x82\xd0-\x96k";  // ひ-北

std::vector<int> CheckedBands(TSorvaB& dialog) {
  std::vector<int> checked;
  for (int n = 1; n <= 16; ++n) {
    if (dialog.Check(n).Checked()) checked.push_back(n);
  }
  return checked;
}

TEST_F(DialogTest, DefaultsShownAndWritten) {
  StartWith();
  WorkDialog([this](TSorvaB& dialog) {
    EXPECT_EQ(dialog.Caption(), "\x8f\x57\x8c\x76\x82\xc6\x90\xdd\x92\xe8 \x81\x60 2021/01/28\x94\xc5");  // 集計と設定 ～ 2021/01/28版
    EXPECT_EQ(CheckedBands(dialog), std::vector<int>{16});
    EXPECT_FALSE(dialog.Check17.Checked());
    EXPECT_FALSE(dialog.Check18.Checked());
    EXPECT_EQ(dialog.Spin1.Text(), "1");
    EXPECT_EQ(dialog.Edit1.Text(), "");
    EXPECT_EQ(dialog.Edit2.Text(), "<>");
    EXPECT_EQ(dialog.Edit3.Text(), "()");
    EXPECT_EQ(dialog.Edit4.Text(), "");
    EXPECT_EQ(dialog.Edit5.Text(), "00/00/00");
    EXPECT_EQ(dialog.KoteiChk.Caption(), kPortableAndFixed);
    EXPECT_EQ(dialog.Combo1.ItemIndex(), 1);
    EXPECT_TRUE(dialog.Radio0.Checked() && dialog.Radio2.Checked() && dialog.Radio4.Checked());
    EXPECT_TRUE(dialog.Check17.Enabled());
    EXPECT_EQ(station_->TallySettings.Slots()[24], kHiKita);
  });
  EXPECT_EQ(Set("Rmks"), "337");
  EXPECT_EQ(Set("Band"), "32768");
  EXPECT_EQ(Set("Rec"), "1");
  EXPECT_EQ(Set("WkdChr"), "<>");
  EXPECT_EQ(Set("CfmChr"), "()");
  EXPECT_EQ(Set("Date"), "00/00/00");
  // Empty texts are not kept in the file.
  for (const char* key : {"Mode", "Akiram", "Awd0", "Awd23"}) {
    EXPECT_EQ(Set(key), "<missing>") << key;
  }
}

// Every key written by one close comes back into the same controls at the next start.
TEST_F(DialogTest, EverySettingSurvivesARestart) {
  StartWith("[Set]\r\nAkiram=old\r\nAwd5=OLD\r\n");
  WorkDialog([](TSorvaB& dialog) {
    dialog.Edit1.SetText("CW SSB");
    dialog.Check(16).SetChecked(false);
    dialog.Check(3).SetChecked(true);
    dialog.Check(15).SetChecked(true);
    dialog.Check17.SetChecked(true);
    dialog.Check18.SetChecked(true);
    dialog.Spin1.SetText("120");
    dialog.Edit2.SetText("[]x");
    dialog.Edit3.SetText("{");
    dialog.Edit4.SetText("  *  ");
    dialog.Edit5.SetText("21/03/04");
    dialog.Awd[0]->SetText(" JCC-12345 ");
    dialog.Awd[5]->SetText("");
    dialog.Awd[16]->SetText("\x82\xd0-\x96k\x8a" "C\x93\xb9");  // ひ-北海道: 6 bytes end inside 海
    dialog.Combo1.SetItemIndex(2);
    dialog.Radio1.SetChecked(true);
    dialog.Radio2.SetChecked(false);
    dialog.Radio3.SetChecked(true);
    dialog.Radio4.SetChecked(false);
    dialog.Radio6.SetChecked(true);
    dialog.Radio7.SetChecked(true);
    dialog.KoteiChk.SetState(ui::CheckState::kChecked);
  });
  EXPECT_EQ(Set("Rmks"),
            std::to_string(2 | 1 << 4 | 1 << 5 | 1 << 7 | 1 << 10 | 1 << 11 | 1 << 12));
  EXPECT_EQ(Set("Mode"), "CW SSB");
  EXPECT_EQ(Set("Band"), std::to_string(1 << 2 | 1 << 14 | 1 << 16 | 1 << 17));
  EXPECT_EQ(Set("Rec"), "120");
  EXPECT_EQ(Set("Akiram"), "*");
  EXPECT_EQ(Set("Awd0"), "JCC-12");
  EXPECT_EQ(Set("Awd5"), "<missing>");
  EXPECT_EQ(Set("Awd16"), "\x82\xd0-\x96k");
  EXPECT_EQ(station_->TallySettings.WkdChars, "[]");
  EXPECT_EQ(station_->TallySettings.CfmChars, "{ ");
  EXPECT_EQ(station_->TallySettings.AwdKeywords[0], "JCC-12");

  Restart();
  EXPECT_TRUE(station_->Award.OverwriteMark);
  WorkDialog([](TSorvaB& dialog) {
    EXPECT_EQ(dialog.Edit1.Text(), "CW SSB");
    EXPECT_EQ(CheckedBands(dialog), (std::vector<int>{3, 15}));
    EXPECT_TRUE(dialog.Check17.Checked());
    EXPECT_TRUE(dialog.Check18.Checked());
    EXPECT_EQ(dialog.Spin1.Text(), "120");
    EXPECT_EQ(dialog.Edit2.Text(), "[]");
    EXPECT_EQ(dialog.Edit3.Text(), "{ ");
    EXPECT_EQ(dialog.Edit4.Text(), "*");
    EXPECT_EQ(dialog.Edit5.Text(), "21/03/04");
    EXPECT_EQ(dialog.Awd[0]->Text(), "JCC-12");
    EXPECT_EQ(dialog.Awd[16]->Text(), "\x82\xd0-\x96k");
    EXPECT_EQ(dialog.Combo1.ItemIndex(), 2);
    EXPECT_TRUE(dialog.Radio1.Checked() && dialog.Radio3.Checked() && dialog.Radio6.Checked());
    EXPECT_FALSE(dialog.Radio2.Checked() || dialog.Radio4.Checked());
    EXPECT_TRUE(dialog.Radio7.Checked() && dialog.Radio7.Enabled());
    EXPECT_EQ(dialog.KoteiChk.Caption(), kPortableOnly);
  });
}

TEST_F(DialogTest, SendOptionsAndPortableChoiceBits) {
  struct Case {
    const char* name;
    std::function<void(TSorvaB&)> work;
    int rmks;
  };
  const Case cases[] = {
      {"grayed KoteiChk", [](TSorvaB& d) { d.KoteiChk.SetState(ui::CheckState::kGrayed); },
       337 | 1 << 13},
      {"Radio0 off unchecks Radio7",
       [](TSorvaB& d) {
         d.Radio7.SetChecked(true);
         d.Radio0.SetChecked(false);
         Click(d.Radio0);
         EXPECT_FALSE(d.Radio7.Checked());
         EXPECT_FALSE(d.Radio7.Enabled());
       },
       337 & ~(1 << 4)},
      {"no combo item keeps the default item", [](TSorvaB& d) { d.Combo1.SetItemIndex(-1); }, 337},
      {"Radio8 and Radio5", [](TSorvaB& d) {
         d.Radio4.SetChecked(false);
         d.Radio5.SetChecked(true);
         d.Radio8.SetChecked(true);
       },
       (337 & ~(1 << 8)) | 1 << 9 | 1 << 3},
  };
  StartWith();
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    station_->TallySettings.SetRmksBits(337);
    WorkDialog(test.work);
    EXPECT_EQ(Set("Rmks"), std::to_string(test.rmks));
  }
}

TEST_F(DialogTest, SavedBitsComeBackAtTheNextStart) {
  // Checked and grayed both set: grayed wins. Radio7 without Radio0: off and disabled.
  const int saved = 1 | 1 << 6 | 1 << 8 | 1 << 11 | 1 << 12 | 1 << 13;
  StartWith("[Set]\r\nRmks=" + std::to_string(saved) + "\r\n");
  WorkDialog([](TSorvaB& dialog) {
    EXPECT_EQ(dialog.KoteiChk.State(), ui::CheckState::kGrayed);
    EXPECT_EQ(dialog.KoteiChk.Caption(), kFixedOnly);
    EXPECT_FALSE(dialog.Radio7.Checked());
    EXPECT_FALSE(dialog.Radio7.Enabled());
  });
  Restart();
  WorkDialog([](TSorvaB& dialog) {
    EXPECT_FALSE(dialog.Radio7.Enabled());
    EXPECT_EQ(dialog.KoteiChk.State(), ui::CheckState::kGrayed);
  });
  EXPECT_EQ(Set("Rmks"), std::to_string(1 | 1 << 6 | 1 << 8 | 1 << 13));
}

TEST_F(DialogTest, KoteiChkCaptionFollowsItsState) {
  StartWith();
  WorkDialog([](TSorvaB& dialog) {
    const std::pair<ui::CheckState, const char*> states[] = {
        {ui::CheckState::kChecked, kPortableOnly},
        {ui::CheckState::kGrayed, kFixedOnly},
        {ui::CheckState::kUnchecked, kPortableAndFixed}};
    for (const auto& [state, caption] : states) {
      dialog.KoteiChk.SetState(state);
      Click(dialog.KoteiChk);
      EXPECT_EQ(dialog.KoteiChk.Caption(), caption);
    }
  });
}

TEST_F(DialogTest, BandBoxesAndAllBandExcludeEachOther) {
  StartWith();
  WorkDialog([](TSorvaB& dialog) {
    dialog.Check(4).SetChecked(true);
    Click(dialog.Check(4));
    EXPECT_EQ(CheckedBands(dialog), std::vector<int>{4});
    dialog.Check(9).SetChecked(true);
    Click(dialog.Check(9));
    dialog.Check(4).SetChecked(false);  // unchecking a band leaves the others alone
    Click(dialog.Check(4));
    EXPECT_EQ(CheckedBands(dialog), std::vector<int>{9});
    dialog.Check(16).SetChecked(true);
    Click(dialog.Check(16));
    EXPECT_EQ(CheckedBands(dialog), std::vector<int>{16});
  });
}

TEST_F(DialogTest, DamagedValuesFallBack) {
  struct Case {
    const char* settings;
    std::vector<int> bands;
    bool check17;
    const char* rec;
    const char* date;
  };
  const Case cases[] = {
      {"Band=abc\r\nRec=x\r\n", {16}, false, "1", "00/00/00"},
      {"Band=0\r\nRec=-5\r\nDate=2021/01/01\r\n", {16}, false, "1", "00/00/00"},
      {"Band=65536\r\nRec=0\r\nDate=21/1/1\r\n", {16}, true, "1", "00/00/00"},
      {"Band=6\r\nRec=250\r\nDate=20/12/31\r\n", {2, 3}, false, "250", "20/12/31"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.settings);
    ui::Application().DestroyForms();
    StartWith(std::string("[Set]\r\n") + test.settings);
    WorkDialog([&](TSorvaB& dialog) {
      EXPECT_EQ(CheckedBands(dialog), test.bands);
      EXPECT_EQ(dialog.Check17.Checked(), test.check17);
      EXPECT_EQ(dialog.Spin1.Text(), test.rec);
      EXPECT_EQ(dialog.Edit5.Text(), test.date);
    });
  }
}

TEST_F(DialogTest, TheListsStartDateIsShownAndNotSaved) {
  StartWith("[Set]\r\nDate=20/01/01\r\n", "", "21/04/01");
  WorkDialog([](TSorvaB& dialog) {
    EXPECT_EQ(dialog.Edit5.Text(), "21/04/01");
    dialog.Edit5.SetText("22/02/02");
  });
  EXPECT_EQ(Set("Date"), "20/01/01");
}

TEST_F(DialogTest, BlankBracketsAreRestoredAtTheNextShow) {
  StartWith();
  WorkDialog([](TSorvaB& dialog) {
    dialog.Edit2.SetText("");
    dialog.Edit3.SetText(" )");
  });
  WorkDialog([](TSorvaB& dialog) {
    EXPECT_EQ(dialog.Edit2.Text(), "<>");
    EXPECT_EQ(dialog.Edit3.Text(), "()");
  });
}

}  // namespace
