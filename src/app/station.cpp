// The main window's lifecycle: creation, first display, closing and destruction, and the
// window-level commands.
#include "app/station.h"

#include <algorithm>

#include "app/file_names.h"
#include "app/number_text.h"
#include "app/settings_fonts.h"
#include "app/settings_messages.h"
#include "app/texts.h"
#include "korvax50.h"
#include "tally/dialog/sorva_b.h"
#include "tally/tally_settings.h"
#include "targets/target_list.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace {

// Wide enough at first that every column, the worked entries last, is on screen.
constexpr char kDefaultPos[] = "9,9,800,560,100,196,56,230,99";
constexpr size_t kPosTextLimit = 255;

ui::WindowState WindowStateFrom(int value) {
  switch (value) {
    case 1:
      return ui::WindowState::kMinimized;
    case 2:
      return ui::WindowState::kMaximized;
    default:
      return ui::WindowState::kNormal;
  }
}

}  // namespace

TStation::TStation() : ui::TForm("TStation") {
  CreateMenuItems();
  Save1->SetEnabled(false);
  for (auto* item : {A1.get(), E1.get(), D1.get(), W1.get()}) item->SetEnabled(false);
  Edit2.SetReadOnly(true);
  StatBar1.SetPanels({160, -1});
  dGrid1.SetColCount(6);
  dGrid1.SetDefaultColWidth(40);
  dGrid1.SetStretchLastCol(true);
  TabOrder = {&dGrid1, &Edit2, &Combo1};
  ConnectEvents();
  FormCreate();
  SorvaB = std::make_unique<TSorvaB>(*this);
  SorvaB->SendLoggerNotice = [this](std::uint32_t code) { SendLoggerNotice(code); };
}

TStation::~TStation() { FormDestroy(); }

void TStation::FormCreate() {
  const std::string settings_file = app::ChangeFileExt(ui::Application().ExeName, ".ini");
  // An unreadable file is told about and never overwritten; the run goes on with the
  // defaults.
  Settings = std::make_unique<TKrxIni>(settings_file);
  app::TellIfUnreadable(*Settings);
  RowMap.assign(1, 0);
  KorvaxWnd = FindLoggerWindow();
}

void TStation::FormShow() {
  LayoutControls();

  std::string pos = Settings->ReadString("Main", "Pos", kDefaultPos);
  if (pos.size() > kPosTextLimit) pos.resize(kPosTextLimit);
  size_t cursor = 0;
  WindowBounds[0] = static_cast<int16_t>(StrToLong(pos.c_str()));
  for (size_t n = 1; n < WindowBounds.size(); ++n) {
    WindowBounds[n] = static_cast<int16_t>(app::NextNumber(pos, cursor));
  }
  SetBounds({WindowBounds[0], WindowBounds[1], WindowBounds[2], WindowBounds[3]});
  ui::Application().ProcessMessages();
  for (int col = 1; col <= 5; ++col) {
    const int width = app::NextNumber(pos, cursor);
    if (width > 1) dGrid1.SetColWidths(col, width);
  }
  int state = app::NextNumber(pos, cursor);
  if (state < 0 || state > 2) state = 0;
  const int saved_top_row = app::NextNumber(pos, cursor);

  if (!LoadListAtStartup()) {
    ui::Application().Terminate();
    return;
  }
  UpdateRecentFiles();

  SetWindowFont(app::ReadFont(*Settings, "Font2", app::kDefaultListFont));
  ApplyFontLayout(0);

  RestoreCurrentRow();
  if (saved_top_row > 0 && saved_top_row < dGrid1.RowCount()) dGrid1.SetTopRow(saved_top_row);

  Award.AwardKeyword = targets::KeywordOfLine(TargetLines[static_cast<size_t>(dGrid1.Row())]);
  TallySettings = tally::LoadTallySettings(*Settings);
  Award.OverwriteMark = TallySettings.overwrite_mark;
  SorvaB->Check29.SetChecked(state == 1);

  SetWindowFont(app::ReadFont(*Settings, "Font1", app::kDefaultWindowFont));
  ClassifyKeyword(false);
  ApplyFontLayout(1);

  FindNext1->SetEnabled(false);
  for (auto* item : {N6.get(), N7.get(), N8.get()}) item->SetChecked(false);
  DrawRow = -1;
  Timer1.SetInterval(2500);
  Timer1Timer();
  if (KorvaxWnd < 2 && state == 1) state = 0;
  dGrid1.OnDrawCell = [this](ui::Widget&, int col, int row, ui::Rect rect, bool selected,
                             ui::Canvas& canvas) { dGrid1DrawCell(col, row, rect, selected, canvas); };
  SetWindowState(WindowStateFrom(state));
  SetCaption(std::string(app::kVersionText) + ListFileName);
  // The first picture already shows the current target above the grid and its row
  // highlighted, instead of a second paint 150 ms after the window came up.
  Timer2Timer();
}

void TStation::FormActivate() { Timer2.SetTimerEnabled(true); }

void TStation::FormCloseQuery(bool& can_close) {
  int state_to_save = SorvaB->Check29.Checked() ? 1 : static_cast<int>(GetWindowState());
  if (Save1->Enabled()) {
    const int answer = ui::Application().ShowMessage(
        Award.AwardName + app::kTextSaveQuestion, app::kAppTitle,
        ui::kMbYesNoCancel | ui::kMbIconQuestion);
    if (answer == ui::kIdCancel) {
      can_close = false;
      return;
    }
    if (answer == ui::kIdYes) Save1Click(Save1.get());  // a failure throws: the window stays
  }
  if (state_to_save == 0) {
    const ui::Rect bounds = Bounds();
    WindowBounds = {static_cast<int16_t>(bounds.left), static_cast<int16_t>(bounds.top),
                    static_cast<int16_t>(bounds.width), static_cast<int16_t>(bounds.height)};
  }
  for (int n = 0; n < kRecentFileCount; ++n) {
    const std::string key = "FF" + std::to_string(n);
    if (FF[static_cast<size_t>(n)]->Visible()) {
      Settings->WriteString("fHist", key, FF[static_cast<size_t>(n)]->Caption());
    } else {
      Settings->DeleteKey("fHist", key);
    }
  }
  std::string pos;
  for (int16_t value : WindowBounds) pos += std::to_string(value) + ",";
  for (int col = 1; col <= 5; ++col) pos += std::to_string(dGrid1.ColWidths(col)) + ",";
  pos += std::to_string(state_to_save) + "," + std::to_string(dGrid1.TopRow());
  Settings->WriteString("Main", "Pos", pos);
  Settings->WriteInteger("Hist", ListFileName, dGrid1.Row());
}

void TStation::FormDestroy() {
  TargetLines.clear();
  FieldList.clear();
  DrawFields.clear();
  app::SaveSettings(*Settings);
  Settings.reset();
}

void TStation::Exit1Click(ui::Widget&) { Close(); }

void TStation::N4Click(ui::Widget&) { SetWindowState(ui::WindowState::kMinimized); }

void TStation::WMExitSizeMove() { ApplyFontLayout(5); }

void TStation::ConnectEvents() {
  OnShow = [this] { FormShow(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this](bool& can_close) { FormCloseQuery(can_close); };
  OnExitSizeMove = [this] { WMExitSizeMove(); };
  OnResize = [this] { LayoutControls(); };
  OnMouseWheel = [this](int delta) { FormMouseWheel(delta); };
  Exit1->OnClick = [this](ui::Widget& sender) { Exit1Click(sender); };
  N4->OnClick = [this](ui::Widget& sender) { N4Click(sender); };
  O1->OnClick = [this](ui::Widget& sender) { O1Click(&sender); };
  Save1->OnClick = [this](ui::Widget& sender) { Save1Click(&sender); };
  S1->OnClick = [this](ui::Widget& sender) { S1Click(&sender); };
  Q1->OnClick = [this](ui::Widget& sender) { Q1Click(&sender); };
  Sent1->OnClick = [this](ui::Widget& sender) { Sent1Click(&sender); };
  J1->OnClick = [this](ui::Widget& sender) { J1Click(&sender); };
  Korvax1->OnClick = [this](ui::Widget& sender) { Korvax1Click(&sender); };
  for (auto* help_item : {&Help1, &Go1, &N2, &N3, &N14, &ZA1, &G1, &H2}) {
    (*help_item)->OnClick = [this](ui::Widget& sender) { N2Click(sender); };
  }
  About1->OnClick = [this](ui::Widget& sender) { About1Click(sender); };
  Timer1.OnTimer = [this](ui::TTimer&) { Timer1Timer(); };
  Timer2.OnTimer = [this](ui::TTimer&) { Timer2Timer(); };
  ConnectViewEvents();
  ConnectLinkEvents();
}
