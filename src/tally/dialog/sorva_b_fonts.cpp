// The two font buttons of the tally dialog: the main window's own font ("Font1", Tag 1)
// and the list's font on the grid and the status bar ("Font2", Tag 0).
#include "app/settings_fonts.h"
#include "app/station.h"
#include "app/texts.h"
#include "tally/dialog/sorva_b.h"
#include "tally/dialog/sorva_b_texts.h"
#include "ui/application.h"
#include "ui/keys.h"
#include "ui/message_box.h"

void TSorvaB::Speed1Click(ui::Widget& sender) {
  TStation& station = station_;
  const bool window_font = sender.Tag == 1;
  const char* section = window_font ? "Font1" : "Font2";
  ui::Backend& backend = ui::Application().backend();

  // Shift+click forgets the chosen font; the defaults apply from the next start.
  if (backend.IsKeyDown(ui::kVkShift)) {
    station.Settings->EraseSection(section);
    ui::Application().ShowMessage(tally::dialog_texts::kFontsReset, app::kAppTitle,
                                 ui::kMbOk | ui::kMbIconInformation);
    return;
  }

  ui::Font font = window_font ? station.Panel1.GetFont() : station.dGrid1.GetFont();
  if (!backend.ShowFontDialog(font)) return;
  const ui::Font previous = station.WindowFont;
  station.SetWindowFont(font);
  station.ApplyFontLayout(sender.Tag);
  app::WriteFont(*station.Settings, section, font);
  // The list font goes to the grid and the status bar only; the window keeps its own.
  if (!window_font) station.SetWindowFont(previous);
}
