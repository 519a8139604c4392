#include "win32/shortcut_keys.h"

#include <charconv>

namespace win32 {

bool ParseShortcut(std::string_view text, int command, ACCEL& accelerator) {
  if (text.empty() || command <= 0) return false;
  BYTE flags = FVIRTKEY;
  constexpr std::string_view kCtrl = "Ctrl+";
  if (text.substr(0, kCtrl.size()) == kCtrl) {
    flags |= FCONTROL;
    text.remove_prefix(kCtrl.size());
  }
  WORD key = 0;
  if (text.size() == 1 && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= '0' && text[0] <= '9'))) {
    key = static_cast<WORD>(text[0]);
  } else if (text.size() >= 2 && text[0] == 'F') {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1 || number > 12) {
      return false;
    }
    key = static_cast<WORD>(VK_F1 + number - 1);
  } else {
    return false;
  }
  accelerator = {flags, key, static_cast<WORD>(command)};
  return true;
}

}  // namespace win32
