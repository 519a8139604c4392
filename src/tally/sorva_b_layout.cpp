// The controls of the tally and settings dialog: captions, groups and places in its
// 564 x 570 client area.
#include <string>

#include "app/sorva_b.h"

namespace {

void Place(ui::Widget& widget, int left, int top, int width, int height, const char* caption) {
  widget.SetBounds({left, top, width, height});
  if (caption != nullptr) widget.SetCaption(caption);
}

}  // namespace

void TSorvaB::CreateControls() {
  Place(Group1, 8, 8, 548, 78, "\x83o\x83\x93\x83h\x82\xcc\x8ew\x92\xe8");  // バンドの指定
  static constexpr const char* kBandCaptions[] = {
      "1.9MHz", "3.5MHz", "7 MHz", "10MHz", "14MHz", "18MHz", "21MHz", "24MHz", "28MHz", "50MHz", "144MHz", "430MHz", "1200MHz", "2400MHz", "5600MHz", "AllBand"};
  for (int n = 0; n <= kBandCount; ++n) {
    BandChecks[static_cast<size_t>(n)] = std::make_unique<ui::TCheckBox>(Group1);
    Place(*BandChecks[static_cast<size_t>(n)], 10 + (n % 8) * 66, 22 + (n / 8) * 26, 64, 22,
          kBandCaptions[n]);
  }
  Place(Label1, 8, 98, 50, 20, "Mode:");  // Mode:
  Place(Edit1, 60, 96, 80, 22, nullptr);
  Place(Label2, 156, 98, 40, 20, "&Wkd");  // &Wkd
  Place(Edit2, 198, 96, 40, 22, nullptr);
  Place(Label3, 252, 98, 40, 20, "&Cfm");  // &Cfm
  Place(Edit3, 294, 96, 40, 22, nullptr);
  Place(Label4, 344, 98, 150, 20, "\x8f\x9c\x8aOQSL\x8e\xf3\x97\xcc\x83}\x81[\x83N\x81" "F");  // 除外QSL受領マーク：
  Place(Edit4, 496, 96, 60, 22, nullptr);
  Place(Label5, 8, 128, 170, 20, "\x82\xb1\x82\xcc\x83" "f\x81[\x83^\x88\xc8\x8d~\x82\xf0\x8fW\x8cv");  // このデータ以降を集計
  Place(Spin1, 180, 126, 80, 22, nullptr);
  Place(Label6, 280, 128, 160, 20, "\x82\xb1\x82\xcc\x93\xfa\x95t\x88\xc8\x8d~\x82\xf0\x8fW\x8cv");  // この日付以降を集計
  Place(Edit5, 440, 126, 80, 22, nullptr);
  Place(Group2, 8, 156, 272, 130, "\x91\x97\x82\xe8\x90\xe6");  // 送り先
  Place(Radio1, 8, 20, 128, 22, "Remarks\x82P\x82\xd6\x91\x97\x82\xe9");  // Remarks１へ送る
  Place(Radio2, 138, 20, 128, 22, "Remarks\x82Q\x82\xd6\x91\x97\x82\xe9");  // Remarks２へ送る
  Place(Combo1, 8, 48, 200, 200, nullptr);
  Place(Radio0, 8, 76, 250, 22, "Code\x82\xc6QTH\x82\xe0\x91\x97\x82\xe9");  // CodeとQTHも送る
  Place(Radio7, 8, 100, 250, 22, "Korvax.mst\x82\xf0\x8eg\x82\xa4");  // Korvax.mstを使う
  Place(Group3, 288, 156, 268, 80, "\x8fW\x8cv\x91\xce\x8f\xdb");  // 集計対象
  Place(Radio3, 8, 20, 126, 22, "Remarks\x82P\x82\xcc\x82\xdd");  // Remarks１のみ
  Place(Radio4, 136, 20, 126, 22, "Remarks\x82Q\x82\xcc\x82\xdd");  // Remarks２のみ
  Place(Radio5, 8, 48, 126, 22, "Remarks\x82P\x82\xf0\x97" "D\x90\xe6");  // Remarks１を優先
  Place(Radio8, 136, 48, 126, 22, "Remarks\x82Q\x82\xf0\x97" "D\x90\xe6");  // Remarks２を優先
  Place(KoteiChk, 296, 244, 260, 22, "\x8c\xc5\x92\xe8\x8b\xc7\x82\xc5\x82\xe0\x8fW\x8cv");  // 固定局でも集計
  Place(Radio6, 8, 294, 270, 22, "\x81\x9fWkd\x81^\x81\xa1" "Cfm\x8f\xe3\x8f\x91\x95\\\x8e\xa6");  // ◆Wkd／■Cfm上書表示
  Place(Check17, 288, 294, 268, 22, "\x83G\x83N\x83Z\x83\x8b\x82\xc9\x93\\\x82\xe8\x95t\x82\xaf\x89\xc2");  // エクセルに貼り付け可
  Place(Check18, 8, 318, 270, 22, "\x8f" "d\x95\xa1\x82\xc8\x82\xb5\x82\xc5\x8fW\x8cv");  // 重複なしで集計
  Place(Check29, 288, 318, 268, 22, "\x8d\xc5\x8f\xac\x89\xbb\x82\xb5\x82\xc4\x8bN\x93\xae");  // 最小化して起動
  Place(Group4, 8, 344, 548, 80, "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x83" "A\x83\x8f\x81[\x83h\x97p\x82P(Remarks\x82P\x82\xa9\x82Q\x82\xc9\x91\xce\x8f\xdb\x95\xb6\x8e\x9a\x97\xf1)");  // その他のアワード用１(Remarks１か２に対象文字列)
  Place(Group5, 8, 430, 548, 52, "\x82\xbb\x82\xcc\x91\xbc\x82\xcc\x83" "A\x83\x8f\x81[\x83h\x97p\x82Q(\x82P\x8es\x8b\xe6\x92\xac\x91\xba\x82\xc9\x82\xc2\x82\xab\x82P\x91\xce\x8f\xdb\x92n)");  // その他のアワード用２(１市区町村につき１対象地)
  for (int n = 0; n < kAwardSlots; ++n) {
    ui::TGroupBox& group = n < 16 ? Group4 : Group5;
    const int column = n < 16 ? n % 8 : n - 16;
    const int line = n < 16 ? n / 8 : 0;
    Awd[static_cast<size_t>(n)] = std::make_unique<ui::TEdit>(group);
    Place(*Awd[static_cast<size_t>(n)], 10 + column * 66, 20 + line * 26, 62, 22, nullptr);
  }
  Place(Progress1, 8, 490, 548, 16, nullptr);
  Progress1.SetVisible(false);
  Place(Button1, 8, 516, 130, 40, "\x8fW\x8cv\x8aJ\x8en(&S)");  // 集計開始(&S)
  Place(BitBtn1, 146, 516, 110, 40, "Close(&X)");  // Close(&X)
  Place(Speed1, 300, 516, 124, 40, "\x95\xd2\x8fW\x83t\x83H\x83\x93\x83g");  // 編集フォント
  Place(Speed2, 432, 516, 124, 40, "\x88\xea\x97\x97\x83t\x83H\x83\x93\x83g");  // 一覧フォント
  Speed1.Tag = 1;
  Speed2.Tag = 0;
  Combo1.SetItems({"Remarks\x8f\xe3\x8f\x91\x82\xab", "Remarks\x82\xcc\x89" "E\x91\xa4", "Remarks\x82\xcc\x8d\xb6\x91\xa4"});  // Remarks上書き, Remarksの右側, Remarksの左側
}
