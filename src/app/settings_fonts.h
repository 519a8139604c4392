// Fonts kept in the settings file: section "Font1" (the window) or "Font2" (the list)
// with the keys "Style", "Size", "Color" and "Name".
#pragma once

#include "ui/not_in_core.h"

#include <string_view>

#include "settings/settings_store.h"
#include "ui/font.h"

namespace app {

inline const ui::Font kDefaultListFont{"FixedSys", 12, 0, 0};
inline const ui::Font kDefaultWindowFont{"\x82l\x82r \x83S\x83V\x83" "b\x83N", 14, 0, 0};  // ＭＳ ゴシック

ui::Font ReadFont(const TKrxIni& settings, std::string_view section, const ui::Font& defaults);
void WriteFont(TKrxIni& settings, std::string_view section, const ui::Font& font);

}  // namespace app
