// The forms' side of the settings store: what the operator is told when the settings
// file cannot be read or written.
#include "app/settings_messages.h"

#include <gtest/gtest.h>

#include <string>

#include "headless/headless_app.h"
#include "settings/settings_store.h"
#include "support/temp_folder.h"
#include "ui/message_box.h"

namespace {

// "次のファイルが書き込めません！ ファイル属性を確認してください"
const std::string kCannotWrite =
    "\x8e\x9f\x82\xcc\x83t\x83@\x83" "C\x83\x8b\x82\xaa\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc"
    "\x82\xb9\x82\xf1\x81I \x83t\x83@\x83" "C\x83\x8b\x91\xae\x90\xab\x82\xf0\x8am\x94" "F\x82\xb5"
    "\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2";

TEST(SettingsMessages, AFailedWriteIsToldOnceNamingTheFile) {
  headless::ScopedHeadlessApp app;
  TempFolder folder;
  const std::string target = folder.Name("missing/Korvaxw.ini");
  {
    TKrxIni settings(target);
    settings.WriteString("Main", "Pos", "3");
    app::SaveSettings(settings);
  }  // the release does not try again
  ASSERT_EQ(app.backend().message_boxes.size(), 1u);
  const auto& box = app.backend().message_boxes.front();
  EXPECT_EQ(box.text, kCannotWrite + "\r\r" + target);
  EXPECT_EQ(box.caption, "Sorvano");
  EXPECT_EQ(box.flags, ui::kMbOk | ui::kMbIconError);
}

TEST(SettingsMessages, AnUnreadableFileIsToldAndLeftAlone) {
  headless::ScopedHeadlessApp app;
  TempFolder folder;
  const std::string binary = "[Main]\r\n" + std::string("\0", 1);
  const std::string file = folder.WriteBytes("Sorvano.ini", binary);
  {
    TKrxIni settings(file);
    EXPECT_FALSE(app::TellIfUnreadable(settings));
    settings.WriteString("Main", "Pos", "1");
    app::SaveSettings(settings);
  }
  ASSERT_EQ(app.backend().message_boxes.size(), 1u);
  EXPECT_EQ(app.backend().message_boxes.front().text, "\xcc\xa7\xb2\xd9 " + file +
                                                          " \x82\xcd\x8a" "J\x82\xaf\x82\xdc\x82\xb9\x82\xf1");
  EXPECT_EQ(GetBytes(file), binary);
}

}  // namespace
