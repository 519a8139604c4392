#include "tally/dialog/sorva_b.h"

#include <string>

#include "app/station.h"
#include "app/texts.h"

TSorvaB::TSorvaB(TStation& station)
    : ui::TForm("TSorvaB"), station_(station), settings_(station.TallySettings), award_(station.Award) {
  SetCaption(std::string(app::kVersionText) + app::kBuildDate);
  MakeDialogFrame(564, 570);
  CreateControls();
}

TSorvaB::~TSorvaB() = default;
