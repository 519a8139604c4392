// The controls of the tally and settings dialog: captions, groups and places in its
// 564 x 570 client area. Widths leave room for the captions in the dialog's fixed-pitch
// font (8 pixels a byte, so 16 a Japanese character).
#include <string>

#include "tally/dialog/sorva_b.h"
#include "tally/dialog/sorva_b_texts.h"

namespace {

const ui::Font kDialogFont{"FixedSys", 9, 0, 0};

void Place(ui::Widget& widget, int left, int top, int width, int height, const char* caption) {
  widget.SetBounds({left, top, width, height});
  if (caption != nullptr) widget.SetCaption(caption);
}

}  // namespace

std::vector<ui::TWinControl*> TSorvaB::Controls() {
  std::vector<ui::TWinControl*> controls = {
      &Label1, &Edit1, &Label2, &Edit2, &Label3, &Edit3, &Label4, &Edit4, &Label5, &Spin1,
      &Label6, &Edit5, &Button1, &BitBtn1, &Speed1, &Speed2, &Group1, &Group2, &Radio1,
      &Radio2, &Combo1, &Radio0, &Radio7, &Group3, &Radio3, &Radio4, &Radio5, &Radio8,
      &KoteiChk, &Radio6, &Check17, &Check18, &Check29, &Group4, &Group5, &Progress1};
  for (auto& box : BandChecks) controls.push_back(box.get());
  for (auto& box : Awd) controls.push_back(box.get());
  return controls;
}

void TSorvaB::CreateControls() {
  // Bands: seven boxes a row, in the order of the library's band index, AllBand last.
  Place(Group1, 8, 4, 548, 88, "\x83o\x83\x93\x83h\x82\xcc\x8ew\x92\xe8");  // バンドの指定
  for (size_t n = 0; n < BandChecks.size(); ++n) {
    BandChecks[n] = std::make_unique<ui::TCheckBox>(Group1);
    const int at = static_cast<int>(n);
    Place(*BandChecks[n], 8 + (at % 7) * 76, 18 + (at / 7) * 22, 76, 20, tally::kBandBoxes[n].caption);
  }

  Place(Label1, 8, 100, 44, 18, "Mode:");  // Mode:
  Place(Edit1, 54, 98, 88, 22, nullptr);
  Place(Label2, 152, 100, 32, 18, "&Wkd");  // &Wkd
  Place(Edit2, 186, 98, 36, 22, nullptr);
  Place(Label3, 232, 100, 32, 18, "&Cfm");  // &Cfm
  Place(Edit3, 266, 98, 36, 22, nullptr);
  Place(Label4, 308, 100, 154, 18, "\x8f\x9c\x8aOQSL\x8e\xf3\x97\xcc\x83}\x81[\x83N\x81" "F");  // 除外QSL受領マーク：
  Place(Edit4, 464, 98, 92, 22, nullptr);
  Place(Label5, 8, 130, 164, 18, "\x82\xb1\x82\xcc\x83" "f\x81[\x83^\x88\xc8\x8d~\x82\xf0\x8fW\x8cv");  // このデータ以降を集計
  Place(Spin1, 174, 128, 90, 22, nullptr);
  Place(Label6, 290, 130, 148, 18, "\x82\xb1\x82\xcc\x93\xfa\x95t\x88\xc8\x8d~\x82\xf0\x8fW\x8cv");  // この日付以降を集計
  Place(Edit5, 440, 128, 90, 22, nullptr);

  Place(Group2, 8, 158, 272, 140, "\x91\x97\x82\xe8\x90\xe6");  // 送り先
  Place(Radio1, 8, 18, 256, 20, "Remarks\x82P\x82\xd6\x91\x97\x82\xe9");  // Remarks１へ送る
  Place(Radio2, 8, 40, 256, 20, "Remarks\x82Q\x82\xd6\x91\x97\x82\xe9");  // Remarks２へ送る
  Place(Combo1, 8, 64, 200, 120, nullptr);
  Place(Radio0, 8, 92, 256, 20, "Code\x82\xc6QTH\x82\xe0\x91\x97\x82\xe9");  // CodeとQTHも送る
  Place(Radio7, 8, 114, 256, 20, "Korvax.mst\x82\xf0\x8eg\x82\xa4");  // Korvax.mstを使う
  Place(Group3, 288, 158, 268, 110, "\x8fW\x8cv\x91\xce\x8f\xdb");  // 集計対象
  Place(Radio3, 8, 18, 252, 20, "Remarks\x82P\x82\xcc\x82\xdd");  // Remarks１のみ
  Place(Radio4, 8, 40, 252, 20, "Remarks\x82Q\x82\xcc\x82\xdd");  // Remarks２のみ
  Place(Radio5, 8, 62, 252, 20, "Remarks\x82P\x82\xf0\x97" "D\x90\xe6");  // Remarks１を優先
  Place(Radio8, 8, 84, 252, 20, "Remarks\x82Q\x82\xf0\x97" "D\x90\xe6");  // Remarks２を優先

  Place(KoteiChk, 296, 276, 260, 20, tally::dialog_texts::kPortableAndFixed);
  Place(Radio6, 296, 300, 260, 20, "\x81\x9fWkd\x81^\x81\xa1" "Cfm\x8f\xe3\x8f\x91\x95\\\x8e\xa6");  // ◆Wkd／■Cfm上書表示
  Place(Check17, 296, 324, 260, 20, "\x83G\x83N\x83Z\x83\x8b\x82\xc9\x93\\\x82\xe8\x95t\x82\xaf\x89\xc2");  // エクセルに貼り付け可
  Place(Check18, 16, 306, 256, 20, "\x8f" "d\x95\xa1\x82\xc8\x82\xb5\x82\xc5\x8fW\x8cv");  // 重複なしで集計
  Place(Check29, 16, 330, 256, 20, "\x8d\xc5\x8f\xac\x89\xbb\x82\xb5\x82\xc4\x8bN\x93\xae");  // 最小化して起動

  Place(Group4, 8, 358, 548, 72, "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x83" "A\x83\x8f\x81[\x83h\x97p\x82P(Remarks\x82P\x82\xa9\x82Q\x82\xc9\x91\xce\x8f\xdb\x95\xb6\x8e\x9a\x97\xf1)");  // その他のアワード用１(Remarks１か２に対象文字列)
  Place(Group5, 8, 436, 548, 46, "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x83" "A\x83\x8f\x81[\x83h\x97p\x82Q(\x82P\x8es\x8b\xe6\x92\xac\x91\xba\x82\xc9\x82\xc2\x82\xab\x82P\x91\xce\x8f\xdb\x92n)");  // その他のアワード用２(１市区町村につき１対象地)
  for (int n = 0; n < kAwardSlots; ++n) {
    ui::TGroupBox& group = n < 16 ? Group4 : Group5;
    const int column = n < 16 ? n % 8 : n - 16;
    const int line = n < 16 ? n / 8 : 0;
    Awd[static_cast<size_t>(n)] = std::make_unique<ui::TEdit>(group);
    Place(*Awd[static_cast<size_t>(n)], 10 + column * 66, 18 + line * 24, 62, 22, nullptr);
  }

  Place(Progress1, 8, 490, 548, 16, nullptr);
  Progress1.SetVisible(false);
  Place(Button1, 8, 516, 130, 40, tally::dialog_texts::kStartButton);
  Place(BitBtn1, 146, 516, 110, 40, "Close(&X)");  // Close(&X)
  Place(Speed1, 300, 516, 124, 40, "\x95\xd2\x8fW\x83t\x83H\x83\x93\x83g");  // 編集フォント
  Place(Speed2, 432, 516, 124, 40, "\x88\xea\x97\x97\x83t\x83H\x83\x93\x83g");  // 一覧フォント
  Speed1.Tag = 1;
  Speed2.Tag = 0;
  Combo1.SetItems({"Remarks\x8f\xe3\x8f\x91\x82\xab", "Remarks\x82\xcc\x89" "E\x91\xa4", "Remarks\x82\xcc\x8d\xb6\x91\xa4"});  // Remarks上書き, Remarksの右側, Remarksの左側

  for (ui::TWinControl* control : Controls()) control->SetFont(kDialogFont);

  ConnectEvents();
}
