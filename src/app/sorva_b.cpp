#include "app/sorva_b.h"

#include <string>

#include "app/forms.h"
#include "app/texts.h"
#include "tally/tally_rules.h"

TSorvaB* SorvaB = nullptr;

TSorvaB::TSorvaB() : ui::TForm("TSorvaB") {
  SorvaB = this;
  SetCaption(std::string(app::kVersionText) + app::kBuildDate);
  MakeDialogFrame(564, 570);
  CreateControls();
  AwdKeywords[kAwardSlots] = tally::kFixedLastSlot;
}

TSorvaB::~TSorvaB() { SorvaB = nullptr; }
