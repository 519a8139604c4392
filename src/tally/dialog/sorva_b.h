// The tally and settings dialog: made hidden by the main window, shown modally from its
// menu, alive as long as the main window. It shows the main window's tally settings and
// takes them back when it closes, and runs the tally over the main window's list for the
// award the main window holds.
#pragma once

#include "ui/not_in_core.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tally/award_state.h"
#include "tally/tally_settings.h"
#include "ui/controls.h"
#include "ui/form.h"

class TStation;

class TSorvaB : public ui::TForm {
 public:
  static constexpr int kAwardSlots = 24;

  // `station` owns the settings and the award state the dialog works on, and outlives it.
  explicit TSorvaB(TStation& station);
  ~TSorvaB() override;

  bool CancelRequested = false;

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
  std::array<std::unique_ptr<ui::TCheckBox>, tally::kBandBoxes.size()> BandChecks;  // Check1..Check16

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

  // Show and close (tally/dialog/sorva_b_settings.cpp): the settings are shown on every show
  // and taken back, and written to section "Set", on every close.
  void FormShow();
  void FormCloseQuery(bool& can_close);
  void FormClose();
  // The list's type flags from the main window's target lines.
  void ClassifyList();

  // Controls (tally/dialog/sorva_b_controls.cpp, tally/dialog/sorva_b_fonts.cpp).
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
  void Spin1KeyDown(ui::Widget& sender, int& key, unsigned shift);
  void Edit5KeyDown(ui::Widget& sender, int& key, unsigned shift);
  void RefreshKoteiCaption();
  // KoteiChk's state and caption for a portable choice, and the choice it shows.
  void ShowPortableChoice(tally::PortableChoice choice);
  tally::PortableChoice PortableChoiceShown() const;

  // The tally command: starts a tally, or asks the running one to stop
  // (tally/dialog/sorva_b_tally.cpp).
  void Button1Click(ui::Widget& sender);

 private:
  void CreateControls();
  void ConnectEvents();
  // Every control of the dialog, for what they all get (the font, the help key).
  std::vector<ui::TWinControl*> Controls();
  // The controls into the settings: by the close handler and before every tally.
  void TakeSettings();
  // Whether the list in use carries a start date of its own (which Edit5 then shows).
  bool ListHasStartDate() const;

  TStation& station_;
  tally::TallySettings& settings_;
  tally::AwardState& award_;

  // The caret of the two boxes that are typed over. The component layer does not report
  // an edit box's caret, so the dialog follows it: the start of the text when the box is
  // entered, moved by the arrow, Home and End keys and by what the filters insert.
  int spin1_caret_ = 0;
  int edit5_caret_ = 0;
};
