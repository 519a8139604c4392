// The making of the tally dialog: its controls and the wiring of every handler.
#include "tally/dialog/sorva_b.h"

#include <string>

#include "app/station.h"
#include "app/texts.h"
#include "ui/keys.h"

TSorvaB::TSorvaB(TStation& station)
    : ui::TForm("TSorvaB"), station_(station), settings_(station.TallySettings), award_(station.Award) {
  SetCaption(std::string(app::kVersionText) + app::kBuildDate);
  MakeDialogFrame(564, 570);
  CreateControls();
}

TSorvaB::~TSorvaB() = default;

// Every handler of the dialog is wired here, so that the files that hold them need not
// know each other.
void TSorvaB::ConnectEvents() {
  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this](bool& can_close) { FormCloseQuery(can_close); };
  OnClose = [this] { FormClose(); };

  Button1.OnClick = [this](ui::Widget& sender) { Button1Click(sender); };
  BitBtn1.OnClick = [this](ui::Widget& sender) { BitBtn1Click(sender); };
  Speed1.OnClick = [this](ui::Widget& sender) { Speed1Click(sender); };
  Speed2.OnClick = [this](ui::Widget& sender) { Speed1Click(sender); };
  KoteiChk.OnClick = [this](ui::Widget& sender) { KoteiChkClick(sender); };
  Radio0.OnClick = [this](ui::Widget& sender) { Radio0Click(sender); };
  for (auto& box : BandChecks) {
    box->OnClick = [this](ui::Widget& sender) { BandCheckClick(sender); };
  }
  Edit1.OnKeyPress = [this](ui::Widget& sender, int& key) { Edit1KeyPress(sender, key); };
  Edit2.OnKeyPress = [this](ui::Widget& sender, int& key) { BracketKeyPress(sender, key); };
  Edit3.OnKeyPress = [this](ui::Widget& sender, int& key) { BracketKeyPress(sender, key); };
  Spin1.OnKeyPress = [this](ui::Widget& sender, int& key) { Spin1KeyPress(sender, key); };
  Edit5.OnKeyPress = [this](ui::Widget& sender, int& key) { Edit5KeyPress(sender, key); };
  Spin1.OnEnter = [this](ui::Widget&) { spin1_caret_ = 0; };
  Edit5.OnEnter = [this](ui::Widget&) { edit5_caret_ = 0; };

  // The dialog sees keys first: F1 opens the help from any of its controls.
  for (ui::TWinControl* control : Controls()) {
    control->OnKeyDown = [this, control](ui::Widget& sender, int& key, unsigned shift) {
      if (key == ui::kVkF1) {
        key = 0;
        if (station_.Help1) station_.Help1->Click();
        return;
      }
      if (control == &Spin1) Spin1KeyDown(sender, key, shift);
      if (control == &Edit5) Edit5KeyDown(sender, key, shift);
    };
  }
}
