#include "app/settings_fonts.h"
#include "dialog_fixture.h"
#include "ui/keys.h"
#include "ui/message_box.h"

namespace {

constexpr char kFontsReset[] =
    "\x83t\x83H\x83\x93\x83g\x82\xf0\x8f\x89\x8a\xfa\x92l\x82\xc9\x96\xdf\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81" "B\r\r"
    "\x8e\x9f\x89\xf1\x8bN\x93\xae\x8e\x9e\x82\xa9\x82\xe7\x97L\x8c\xf8\x82\xc9\x82\xc8\x82\xe8\x82\xdc\x82\xb7\x81" "B";  // フォントを初期値に戻しました。\r\r次回起動時から有効になります。

const ui::Font kChosen{"Chosen", 20, ui::kFontBold | ui::kFontItalic, 0x123456};

TEST_F(DialogTest, EditFontButtonChangesTheWindowFont) {
  StartWith();
  backend().font_dialog_answers.push_back(kChosen);
  WorkDialog([](TSorvaB& dialog) { dialog.Speed1.Click(); });
  EXPECT_EQ(station_->WindowFont, kChosen);
  EXPECT_EQ(station_->Edit2.GetFont(), kChosen);
  EXPECT_EQ(station_->dGrid1.GetFont(), app::kDefaultListFont);
  EXPECT_EQ(app::ReadFont(*station_->Settings, "Font1", app::kDefaultWindowFont), kChosen);
}

TEST_F(DialogTest, ListFontButtonChangesOnlyTheGridAndStatusBar) {
  StartWith();
  backend().font_dialog_answers.push_back(kChosen);
  WorkDialog([](TSorvaB& dialog) { dialog.Speed2.Click(); });
  EXPECT_EQ(station_->dGrid1.GetFont(), kChosen);
  EXPECT_EQ(station_->StatBar1.GetFont(), kChosen);
  EXPECT_EQ(station_->WindowFont, app::kDefaultWindowFont);
  EXPECT_EQ(station_->Edit2.GetFont(), app::kDefaultWindowFont);
  EXPECT_EQ(app::ReadFont(*station_->Settings, "Font2", app::kDefaultListFont), kChosen);
}

TEST_F(DialogTest, ShiftClickForgetsTheFontUntilTheNextStart) {
  StartWith("[Font1]\r\nSize=30\r\nName=Big\r\n[Font2]\r\nSize=20\r\n");
  backend().keys_down.insert(ui::kVkShift);
  WorkDialog([](TSorvaB& dialog) { dialog.Speed1.Click(); });
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(backend().message_boxes[0].text, kFontsReset);
  EXPECT_EQ(backend().message_boxes[0].caption, "Sorvano");
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconInformation);
  EXPECT_EQ(station_->WindowFont.size, 30);  // unchanged on screen
  EXPECT_EQ(station_->Settings->ReadString("Font1", "Name", "<missing>"), "<missing>");
  EXPECT_EQ(station_->Settings->ReadInteger("Font2", "Size", 0), 20);
  backend().keys_down.clear();

  Restart();
  EXPECT_EQ(station_->WindowFont, app::kDefaultWindowFont);
}

TEST_F(DialogTest, CancelledFontDialogChangesNothing) {
  StartWith();
  WorkDialog([](TSorvaB& dialog) { dialog.Speed2.Click(); });
  EXPECT_EQ(station_->Settings->ReadString("Font2", "Name", "<missing>"), "<missing>");
  EXPECT_EQ(station_->dGrid1.GetFont(), app::kDefaultListFont);
}

TEST_F(DialogTest, QsoDataCommandChoosesTheDatabase) {
  StartWith("[Main]\r\nQSO=C:\\logs\\old.mst\r\n");
  backend().open_dialog_answers.push_back(std::nullopt);
  backend().open_dialog_answers.push_back("D:\\new\\Korvax.mst");
  station_->Q1->Click();
  EXPECT_EQ(station_->Settings->ReadString("Main", "QSO", ""), "C:\\logs\\old.mst");
  station_->Q1->Click();
  EXPECT_EQ(station_->Settings->ReadString("Main", "QSO", ""), "D:\\new\\Korvax.mst");

  ASSERT_EQ(backend().open_dialogs.size(), 2u);
  const ui::OpenDialogOptions& shown = backend().open_dialogs[0];
  EXPECT_EQ(shown.title, "QSO\x83" "f\x81[\x83^\x82\xf0\x8aJ\x82\xad");  // QSOデータを開く
  EXPECT_EQ(shown.filter, "QSO\x83" "f\x81[\x83^(*.mst)|*.mst");  // QSOデータ(*.mst)|*.mst
  EXPECT_EQ(shown.default_ext, "MST");
  EXPECT_EQ(shown.initial_dir, "C:\\logs\\");
}

TEST_F(DialogTest, AfterTheDialogTheMainWindowTakesItsOptions) {
  StartWith();
  station_->FromLogger = true;
  station_->DrawRow = 3;
  station_->Timer2.SetTimerEnabled(false);
  const int paints_before = backend().Find(station_->dGrid1.Id())->invalidations;
  WorkDialog([](TSorvaB& dialog) { dialog.Radio6.SetChecked(true); });
  EXPECT_TRUE(station_->Award.OverwriteMark);
  EXPECT_FALSE(station_->FromLogger);
  EXPECT_EQ(station_->DrawRow, -1);
  EXPECT_GT(backend().Find(station_->dGrid1.Id())->invalidations, paints_before);
  EXPECT_TRUE(station_->Timer2.IsEnabled());
  EXPECT_EQ(station_->GetWindowState(), ui::WindowState::kNormal);

  // Start minimised while the logging program runs: the window gets out of the way.
  station_->KorvaxWnd = 2;
  WorkDialog([](TSorvaB& dialog) { dialog.Check29.SetChecked(true); });
  EXPECT_EQ(station_->GetWindowState(), ui::WindowState::kMinimized);
}

TEST_F(DialogTest, StatusBarDoubleClickOpensTheDialog) {
  StartWith();
  int shown = 0;
  backend().on_modal_loop = [&](ui::WidgetId form) {
    EXPECT_EQ(form, dialog_->Id());
    ++shown;
    dialog_->Close();
  };
  backend().Fire(station_->StatBar1.Id(), ui::EventKind::kDoubleClick);
  EXPECT_EQ(shown, 1);
}

}  // namespace
