// The main window's commands around the tally dialog: showing it (menu S1 and a double
// click on the status bar) and choosing the QSO database (menu Q1).
#include "app/station.h"
#include "tally/dialog/sorva_b.h"
#include "tally/dialog/sorva_b_open2.h"
#include "tally/tally_settings.h"

void TStation::S1Click(ui::Widget*) {
  TSorvaB& dialog = *SorvaB;
  if (dialog.Visible()) return;
  dialog.ShowModal();
  FromLogger = false;
  // The mark style first, and the cached row dropped, so that the repaint shows it.
  Award.OverwriteMark = TallySettings.overwrite_mark;
  DrawRow = -1;
  if (dialog.Check29.Checked() && KorvaxWnd > 1) {
    SetWindowState(ui::WindowState::kMinimized);
  } else {
    dGrid1.Invalidate();
  }
}

void TStation::Q1Click(ui::Widget*) {
  tally::ChooseQsoDatabase(*Settings, tally::QsoDatabasePath(*Settings));
}
