#include "app/settings_messages.h"

#include <string>
#include <string_view>

#include "app/texts.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace app {

namespace {

// "次のファイルが書き込めません！ ファイル属性を確認してください"
constexpr std::string_view kCannotWriteText =
    "\x8e\x9f\x82\xcc\x83t\x83@\x83" "C\x83\x8b\x82\xaa\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc"
    "\x82\xb9\x82\xf1\x81I \x83t\x83@\x83" "C\x83\x8b\x91\xae\x90\xab\x82\xf0\x8am\x94" "F\x82\xb5"
    "\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2";

}  // namespace

bool TellIfUnreadable(const TKrxIni& settings) {
  if (settings.LoadStatus().ok()) return true;
  ui::Application().ShowMessage(settings.LoadStatus().message(), kAppTitle, ui::kMbOk | ui::kMbIconError);
  return false;
}

void SaveSettings(TKrxIni& settings) {
  if (settings.SaveIfChanged().ok()) return;
  std::string text(kCannotWriteText);
  text += "\r\r";
  text += settings.FileName();
  ui::Application().ShowMessage(text, kAppTitle, ui::kMbOk | ui::kMbIconError);
}

}  // namespace app
