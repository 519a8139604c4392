#include "app/sorva_b.h"

#include <string>

#include "app/forms.h"
#include "app/texts.h"

TSorvaB* SorvaB = nullptr;

TSorvaB::TSorvaB() : ui::TForm("TSorvaB") {
  SorvaB = this;
  SetCaption(std::string(app::kVersionText) + app::kBuildDate);
  MakeDialogFrame(564, 570);
  CreateControls();
  AwdKeywords[kAwardSlots] = "\x82\xd0-\x96k";  // ひ-北
}

TSorvaB::~TSorvaB() { SorvaB = nullptr; }
