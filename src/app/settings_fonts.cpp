#include "app/settings_fonts.h"

namespace app {

ui::Font ReadFont(const TKrxIni& settings, std::string_view section, const ui::Font& defaults) {
  ui::Font font;
  font.style = settings.ReadInteger(section, "Style", defaults.style);
  font.size = settings.ReadInteger(section, "Size", defaults.size);
  font.color = static_cast<ui::Color>(
      settings.ReadInteger(section, "Color", static_cast<int>(defaults.color)));
  font.name = settings.ReadString(section, "Name", defaults.name);
  return font;
}

void WriteFont(TKrxIni& settings, std::string_view section, const ui::Font& font) {
  settings.WriteInteger(section, "Style", font.style);
  settings.WriteInteger(section, "Size", font.size);
  settings.WriteInteger(section, "Color", static_cast<int>(font.color));
  settings.WriteString(section, "Name", font.name);
}

}  // namespace app
