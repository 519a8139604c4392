// The main window: owns the settings store, the tally settings, the award state, the
// target list, the grid view, the menu and the tally dialog. Its member functions are defined in the folder of the subsystem they belong to:
// app/ the lifecycle, targets/ the list file and the list view, tally/ and logger_link/
// their commands.
#pragma once

#include "ui/not_in_core.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "logger_link/code_lookup.h"
#include "settings/settings_store.h"
#include "tally/award_state.h"
#include "tally/tally_settings.h"
#include "ui/controls.h"
#include "ui/draw_grid.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/timer.h"

class TSorvaB;
namespace targets {
struct LoadedList;
}

class TStation : public ui::TForm {
 public:
  static constexpr int kRecentFileCount = 20;

  TStation();
  ~TStation() override;

  // Settings store on the program's ".ini" file; written back at destruction.
  std::unique_ptr<TKrxIni> Settings;
  // Section "Set" of the settings, loaded when the window is first shown; the tally
  // dialog keeps it and writes it back.
  tally::TallySettings TallySettings;
  // The award of the open list.
  tally::AwardState Award;

  // The target list (line 0 is the header line) and the view's mapping onto it.
  std::vector<std::string> TargetLines;
  std::array<std::string, 9> ColumnTitles;
  std::vector<int> RowMap;
  int WorkedCount = 0;
  std::string ListFileName;
  // The open list holds only part of its file (see LoadedList::Partial).
  bool ListIsPartial = false;
  std::vector<std::string> FieldList;
  int CurrentIndex = 1;
  bool Filtered = false;

  // The row whose fields DrawFields holds while the grid is drawn; -1 = none.
  std::vector<std::string> DrawFields;
  int DrawRow = -1;
  int MarkedRow = 0;
  std::string StatusFormat;

  // Left, top, width and height of the window in its normal state.
  std::array<int16_t, 4> WindowBounds{9, 9, 800, 560};
  // The logging program's main window, 0 when it is not running.
  std::uintptr_t KorvaxWnd = 0;
  bool FromLogger = false;
  // The logging program's answer to the last request sent to it: its entry window when
  // above 0, to bring to the front.
  std::intptr_t EntryWindow = 0;
  // The code lookup for entry records; it keeps LastLookupKey.
  logger_link::CodeLookup Lookup;
  bool MouseOverGrid = false;
  // The window's own font ("Font1"); the grid and the status bar get the list font.
  ui::Font WindowFont;

  // Components, in creation order.
  ui::TMainMenu MainM1{*this};
  std::unique_ptr<ui::TMenuItem> File1, O1, Q1, Save1, E2, N13, Exit1, E11, Find1, FindNext1,
      Copy1, N16, JCG1, N6, N8, N7, N10, N5, A1, E1, D1, W1, Jump1, Sent1, J1, Korvax1, Show1,
      S1, N4, Help2, Help1, Go1, N2, N3, N14, ZA1, G1, H2, About1;
  std::array<std::unique_ptr<ui::TMenuItem>, kRecentFileCount> FF;
  std::array<std::unique_ptr<ui::TMenuItem>, kRecentFileCount> FX;
  std::vector<std::unique_ptr<ui::TMenuItem>> AreaMenus;
  std::vector<std::unique_ptr<ui::TMenuItem>> AreaItems;
  std::vector<std::unique_ptr<ui::TMenuItem>> Separators;

  ui::TPanel Panel1{*this};
  ui::TEdit Edit2{Panel1};
  ui::TComboBox Combo1{Panel1};
  ui::TDrawGrid dGrid1{*this};
  ui::TStatusBar StatBar1{*this};
  // The search box, drawn over the grid while it is open.
  ui::TGroupBox Group1{*this};
  ui::TLabel Label1{Group1};
  ui::TEdit Edit1{Group1};
  ui::TButton BitBtn1{Group1};
  ui::TButton BitBtn2{Group1};
  ui::TProgressBar Prog1{*this};

  // Logging-program watch and the one-shot refresh of the current row.
  ui::TTimer Timer1{*this, 1500, true};
  ui::TTimer Timer2{*this, 150, false};

  // Lifecycle (app/station.cpp).
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormCloseQuery(bool& can_close);
  void FormDestroy();
  void Exit1Click(ui::Widget& sender);
  void N4Click(ui::Widget& sender);
  void WMExitSizeMove();

  // List file and model (targets/list_file.cpp).
  bool LoadListAtStartup();
  void O1Click(ui::Widget* sender);
  // Opens `file_name` in place of the open list, offering the open dialog while it is not
  // a usable list (the recent-file commands).
  void OpenListFile(const std::string& file_name);
  void Save1Click(ui::Widget* sender);
  void RestoreCurrentRow();
  void UpdateRecentFiles();

  // List view (targets/list_view.cpp).
  void dGrid1DrawCell(int col, int row, ui::Rect rect, bool selected, ui::Canvas& canvas);
  void ApplyFontLayout(int mode);
  void LayoutControls();
  void SetWindowFont(const ui::Font& font);
  // The status line's award summary: StatusFormat filled with the two counts.
  std::string StatusText() const;
  // The opening confirmed bracket, which marks a worked field confirmed.
  std::string_view ConfirmedOpen() const;
  void RefreshStatus();
  void ShowAllRows();
  void dGrid1KeyDown(int& key, unsigned shift);
  void dGrid1KeyUp();
  void dGrid1MouseUp();
  void dGrid1DblClick();
  void dGrid1Enter();
  void dGrid1Exit();
  void Edit2DblClick();
  void Edit2Enter();
  void StatBar1DblClick();
  void FormMouseWheel(int delta);

  // Award keyword classification and the status line format (tally/dialog/).
  void ClassifyKeyword(bool flag);

  // The tally dialog and the QSO database (tally/dialog/station_tally_commands.cpp).
  void S1Click(ui::Widget* sender);
  void Q1Click(ui::Widget* sender);

  // The spreadsheet export, E2 and N13 (export/station_export.cpp).
  void E2Click(ui::Widget* sender);
  void SaveWorkbookBesideList(const std::vector<std::string>& rows);

  // Sort, display filters, area jump and find (targets/list_commands.cpp).
  void JCG1Click(ui::Widget* sender);
  void N6Click(ui::Widget* sender);
  void N101Click(ui::Widget* sender);
  void Find1Click(ui::Widget* sender);
  void BitBtn1Click(ui::Widget* sender);
  void BitBtn2Click(ui::Widget* sender);
  void Group1Exit();
  void FindNext1Click(ui::Widget* sender);
  // The status line's award summary with `shown` in place of the worked count.
  std::string StatusText(int shown) const;

  // Edit mode (targets/edit_mode.cpp).
  void N5Click(ui::Widget* sender);
  void A1Click(ui::Widget* sender);
  void D1Click(ui::Widget* sender);
  void W1Click(ui::Widget* sender);
  void Copy1Click(ui::Widget* sender);

  // Recent-file menus (targets/recent_files.cpp).
  void LoadRecentFiles();
  void UpdateRecentFiles(const std::string& name);
  void SaveRecentFiles();
  void FF0Click(ui::Widget* sender);
  void FX0Click(ui::Widget* sender);

  // Commands of later subsystems; inert until they are built.
  void Sent1Click(ui::Widget* sender);
  void J1Click(ui::Widget* sender);
  void Korvax1Click(ui::Widget* sender);
  void Timer1Timer();
  void Timer2Timer();

  // The Help menu (logger_link/help_commands.cpp).
  void N2Click(ui::Widget& sender);
  void About1Click(ui::Widget& sender);
  // The link to the logging program (logger_link/station_link.cpp, station_lookup.cpp).
  void Show1Click(ui::Widget* sender);
  // WM_COPYDATA from the logging program: a trigger or an entry record.
  void WMCopyData(const ui::CopyData& block);
  void AppDeactivate();
  // A notice without data (the open and close notices around a database use).
  void SendLoggerNotice(std::uint32_t code);
  // The logging program's main window, 0 when it is not running.
  std::uintptr_t FindLoggerWindow();
  void ConnectLinkEvents();
  void MinimizeAfterLoggerUse(bool from_logger);

  // The tally dialog, made hidden with the window and shown by S1Click. Declared last, so
  // that it goes before the state it works on.
  std::unique_ptr<TSorvaB> SorvaB;

 private:
  // The smallest client area: the menu, the line above the grid and a few rows.
  static constexpr int kMinClientWidth = 400;
  static constexpr int kMinGridRows = 4;  // the title row and three targets
  static constexpr int kGridFrame = 24;   // the grid's border and horizontal scroll bar

  int panel_height_ = 36;
  int status_height_ = 22;
  // Width of 17 "X" in the window font; the QSO box is that wide plus its arrow.
  int combo_text_width_ = 148;

  // Loading another list: nothing of the open list changes until a candidate is usable
  // and the operator has settled its unsaved changes.
  void SwitchList(std::string candidate, bool show_dialog_first);
  bool ShowOpenDialog(std::string& file_name);
  bool SettleUnsavedChanges();
  // Writes the open list to its file; false when the list is only part of its file and
  // the operator chose to keep the file as it is.
  bool WriteOpenList();
  void AdoptList(targets::LoadedList&& list);
  void ShowAdoptedList();

  void CreateMenuItems();
  void ConnectEvents();
  void ConnectViewEvents();
  void ConnectListCommandEvents();
  void CreateSearchBox();
  void LayoutSearchBox();
  // The display filter shown now (the Tag of its checked item), or -1 for all rows.
  int CheckedFilterTag() const;
  bool ApplyFilter(int tag);
  void ShowFilteredCounts(int kept);
  void AfterRecordsChanged();
};
