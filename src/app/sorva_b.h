// The tally and settings dialog: created hidden at start-up, shown modally from the main
// window's menu, alive until the end of the run. It holds the tally's settings and the
// fields the main window reads (award keywords, bracket characters, the award name).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

class TSorvaB : public ui::TForm {
 public:
  static constexpr int kBandCount = 15;
  static constexpr int kAwardSlots = 24;

  TSorvaB();
  ~TSorvaB() override;

  // Fields the tally and the main window share.
  std::string AwardKeyword;
  std::array<std::string, kAwardSlots + 1> AwdKeywords;
  std::string WkdChars = "<>";
  std::string CfmChars = "()";
  std::string AwardName;
  int32_t AwardOptions = 0;
  std::string ModeFilter;
  std::string GiveUpMarks;
  int TargetKind = 0;
  bool MixedList = false;
  bool ZaList = false;
  bool PerCityList = false;
  bool CancelRequested = false;
  bool NoDuplicates = false;
  bool ExcelTable = false;

  // Sends the logging program's window a notice without data (its dwData): the tally's
  // open and close notices. Set by the link to the logging program; the tally sends
  // nothing while it is unset or the logging program's window is not known.
  std::function<void(uint32_t data)> SendLoggerNotice;

  // Controls, grouped as the operator sees them.
  ui::TLabel Label1{*this};
  ui::TEdit Edit1{*this};  // mode
  ui::TLabel Label2{*this};
  ui::TEdit Edit2{*this};  // worked brackets
  ui::TLabel Label3{*this};
  ui::TEdit Edit3{*this};  // confirmed brackets
  ui::TLabel Label4{*this};
  ui::TEdit Edit4{*this};  // give-up marks
  ui::TLabel Label5{*this};
  ui::TSpinEdit Spin1{*this};  // start record
  ui::TLabel Label6{*this};
  ui::TEdit Edit5{*this};  // start date
  ui::TButton Button1{*this};
  ui::TButton BitBtn1{*this};
  ui::TButton Speed1{*this};
  ui::TButton Speed2{*this};

  ui::TGroupBox Group1{*this};
  std::array<std::unique_ptr<ui::TCheckBox>, kBandCount + 1> BandChecks;  // Check1..Check16

  ui::TGroupBox Group2{*this};
  ui::TRadioButton Radio1{Group2};
  ui::TRadioButton Radio2{Group2};
  ui::TComboBox Combo1{Group2};
  ui::TCheckBox Radio0{Group2};
  ui::TCheckBox Radio7{Group2};

  ui::TGroupBox Group3{*this};
  ui::TRadioButton Radio3{Group3};
  ui::TRadioButton Radio4{Group3};
  ui::TRadioButton Radio5{Group3};
  ui::TRadioButton Radio8{Group3};

  ui::TCheckBox KoteiChk{*this, true};
  ui::TCheckBox Radio6{*this};
  ui::TCheckBox Check17{*this};
  ui::TCheckBox Check18{*this};
  ui::TCheckBox Check29{*this};

  ui::TGroupBox Group4{*this};
  ui::TGroupBox Group5{*this};
  std::array<std::unique_ptr<ui::TEdit>, kAwardSlots> Awd;  // Awd0..Awd23

  ui::TProgressBar Progress1{*this};

  // Check n of the band group, n = 1..16 (16 = all bands).
  ui::TCheckBox& Check(int n) { return *BandChecks[static_cast<size_t>(n - 1)]; }

  // Show and close (tally/sorva_b_settings.cpp): the settings of section "Set" are read
  // into the controls on every show and written back on every close.
  void FormShow();
  void FormCloseQuery(bool& can_close);
  void FormClose();
  // The list's type flags from the main window's target lines (tally/sorva_b_tally.cpp).
  void ClassifyList();
  // The list's start date (header field 6) when it is a whole yy/mm/dd date, else empty.
  std::string ListStartDate() const;

  // Controls (tally/sorva_b_controls.cpp, tally/sorva_b_fonts.cpp).
  void BitBtn1Click(ui::Widget& sender);
  // Both font buttons; the sender's Tag tells which font (1 the window's, 0 the list's).
  void Speed1Click(ui::Widget& sender);
  void KoteiChkClick(ui::Widget& sender);
  void Radio0Click(ui::Widget& sender);
  void BandCheckClick(ui::Widget& sender);
  void Edit1KeyPress(ui::Widget& sender, int& key);
  void BracketKeyPress(ui::Widget& sender, int& key);  // Edit2 and Edit3
  void Spin1KeyPress(ui::Widget& sender, int& key);
  void Edit5KeyPress(ui::Widget& sender, int& key);
  void Edit5KeyDown(ui::Widget& sender, int& key, unsigned shift);
  void RefreshKoteiCaption();

  // The tally command: starts a tally, or asks the running one to stop
  // (tally/sorva_b_tally.cpp).
  void Button1Click(ui::Widget& sender);

 private:
  void CreateControls();
  void ConnectEvents();
  // Every control of the dialog, for what they all get (the font, the help key).
  std::vector<ui::TWinControl*> Controls();
  // Slot n of AwdKeywords as edit box Awd n gives it: trimmed, at most 6 bytes.
  std::string KeywordOf(int n) const;

  // The caret of the two boxes that are typed over. The component layer does not report
  // an edit box's caret, so the dialog follows it: the start of the text when the box is
  // entered, moved by the arrow, Home and End keys and by what the filters insert.
  int spin1_caret_ = 0;
  int edit5_caret_ = 0;
};
