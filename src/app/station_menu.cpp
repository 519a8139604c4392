// The main window's menu bar, built in the order the operator sees it.
#include <vector>

#include "app/command_ids.h"
#include "app/station.h"

using namespace app;

namespace {

// The area-jump menu: a submenu per call area with its prefectures, in the order shown;
// an area without prefectures (8, Hokkaido) is an item of its own. The jump commands are
// numbered through the table in order, from kCmdJumpArea.
struct AreaMenu {
  const char* caption;
  std::vector<const char*> prefectures;
};

const std::vector<AreaMenu>& AreaMenuTable() {
  static const std::vector<AreaMenu> menus = {
      {"&1\x83G\x83\x8a\x83" "A",  // &1エリア
       {
           "10 \x93\x8c\x8b\x9e\x93s",  // 10 東京都
           "11 \x90_\x93\xde\x90\xec\x8c\xa7",  // 11 神奈川県
           "12 \x90\xe7\x97t\x8c\xa7",  // 12 千葉県
           "13 \x8d\xe9\x8b\xca\x8c\xa7",  // 13 埼玉県
           "14 \x88\xef\x8f\xe9\x8c\xa7",  // 14 茨城県
           "15 \x93\xc8\x96\xd8\x8c\xa7",  // 15 栃木県
           "16 \x8cQ\x94n\x8c\xa7",  // 16 群馬県
           "17 \x8eR\x97\x9c\x8c\xa7",  // 17 山梨県
       }},
      {"&2\x83G\x83\x8a\x83" "A",  // &2エリア
       {
           "18 \x90\xc3\x89\xaa\x8c\xa7",  // 18 静岡県
           "19 \x8a\xf2\x95\x8c\x8c\xa7",  // 19 岐阜県
           "20 \x88\xa4\x92m\x8c\xa7",  // 20 愛知県
           "21 \x8eO\x8f" "d\x8c\xa7",  // 21 三重県
       }},
      {"&3\x83G\x83\x8a\x83" "A",  // &3エリア
       {
           "22 \x8b\x9e\x93s\x95{",  // 22 京都府
           "23 \x8e\xa0\x89\xea\x8c\xa7",  // 23 滋賀県
           "24 \x93\xde\x97\xc7\x8c\xa7",  // 24 奈良県
           "25 \x91\xe5\x8d\xe3\x95{",  // 25 大阪府
           "26 \x98" "a\x89\xcc\x8eR\x8c\xa7",  // 26 和歌山県
           "27 \x95\xba\x8c\xc9\x8c\xa7",  // 27 兵庫県
       }},
      {"&4\x83G\x83\x8a\x83" "A",  // &4エリア
       {
           "31 \x89\xaa\x8eR\x8c\xa7",  // 31 岡山県
           "32 \x93\x87\x8d\xaa\x8c\xa7",  // 32 島根県
           "33 \x8eR\x8c\xfb\x8c\xa7",  // 33 山口県
           "34 \x92\xb9\x8e\xe6\x8c\xa7",  // 34 鳥取県
           "35 \x8dL\x93\x87\x8c\xa7",  // 35 広島県
       }},
      {"&5\x83G\x83\x8a\x83" "A",  // &5エリア
       {
           "36 \x8d\x81\x90\xec\x8c\xa7",  // 36 香川県
           "37 \x93\xbf\x93\x87\x8c\xa7",  // 37 徳島県
           "38 \x88\xa4\x95Q\x8c\xa7",  // 38 愛媛県
           "39 \x8d\x82\x92m\x8c\xa7",  // 39 高知県
       }},
      {"&6\x83G\x83\x8a\x83" "A",  // &6エリア
       {
           "40 \x95\x9f\x89\xaa\x8c\xa7",  // 40 福岡県
           "41 \x8d\xb2\x89\xea\x8c\xa7",  // 41 佐賀県
           "42 \x92\xb7\x8d\xe8\x8c\xa7",  // 42 長崎県
           "43 \x8c" "F\x96{\x8c\xa7",  // 43 熊本県
           "44 \x91\xe5\x95\xaa\x8c\xa7",  // 44 大分県
           "45 \x8b{\x8d\xe8\x8c\xa7",  // 45 宮崎県
           "46 \x8e\xad\x8e\x99\x93\x87\x8c\xa7",  // 46 鹿児島県
           "47 \x89\xab\x93\xea\x8c\xa7",  // 47 沖縄県
       }},
      {"&7\x83G\x83\x8a\x83" "A",  // &7エリア
       {
           "02 \x90\xc2\x90X\x8c\xa7",  // 02 青森県
           "03 \x8a\xe2\x8e\xe8\x8c\xa7",  // 03 岩手県
           "04 \x8fH\x93" "c\x8c\xa7",  // 04 秋田県
           "05 \x8eR\x8c`\x8c\xa7",  // 05 山形県
           "06 \x8b{\x8f\xe9\x8c\xa7",  // 06 宮城県
           "07 \x95\x9f\x93\x87\x8c\xa7",  // 07 福島県
       }},
      {"&8\x83G\x83\x8a\x83" "A\x81@\x96k\x8a" "C\x93\xb9", {}},  // &8エリア　北海道
      {"&9\x83G\x83\x8a\x83" "A",  // &9エリア
       {
           "28 \x95x\x8eR\x8c\xa7",  // 28 富山県
           "29 \x95\x9f\x88\xe4\x8c\xa7",  // 29 福井県
           "30 \x90\xce\x90\xec\x8c\xa7",  // 30 石川県
       }},
      {"&0\x83G\x83\x8a\x83" "A",  // &0エリア
       {
           "08 \x90V\x8a\x83\x8c\xa7",  // 08 新潟県
           "09 \x92\xb7\x96\xec\x8c\xa7",  // 09 長野県
       }},
  };
  return menus;
}

}  // namespace

void TStation::CreateMenuItems() {
  auto item = [](std::unique_ptr<ui::TMenuItem>& slot, ui::Widget& parent, int command,
                 const char* caption, const char* shortcut, int tag) {
    slot = std::make_unique<ui::TMenuItem>(parent, command, caption, shortcut, tag);
  };
  auto separator = [this](ui::Widget& parent) {
    Separators.push_back(std::make_unique<ui::TMenuItem>(parent, kCmdNone, "-"));
  };

  item(File1, MainM1, kCmdNone, "\x83t\x83@\x83" "C\x83\x8b(&F)", "", 0);  // ファイル(&F)
  item(O1, *File1, kCmdO1, "\x93\xb9\x82\xcc\x89w\x83t\x83@\x83" "C\x83\x8b\x82\xf0\x8aJ\x82\xad(&O)", "Ctrl+O", 0);  // 道の駅ファイルを開く(&O)
  item(Q1, *File1, kCmdQ1, "QSO\x83" "f\x81[\x83^\x82\xf0\x8aJ\x82\xad(&Q)", "", 0);  // QSOデータを開く(&Q)
  item(Save1, *File1, kCmdSave1, "\x93\xb9\x82\xcc\x89w\x83" "f\x81[\x83^\x95\xdb\x91\xb6(&S)", "Ctrl+S", 0);  // 道の駅データ保存(&S)
  item(E2, *File1, kCmdE2, "\x83G\x83N\x83Z\x83\x8b\x82\xf0\x8bN\x93\xae(&E)", "", 0);  // エクセルを起動(&E)
  item(N13, *File1, kCmdN13, "\x83G\x83N\x83Z\x83\x8b\x8bN\x93\xae\x81" "E\x82\xbb\x82\xcc\x82Q(&C)", "", 1);  // エクセル起動・その２(&C)
  item(Exit1, *File1, kCmdExit1, "\x8fI\x97\xb9(&X)", "", 0);  // 終了(&X)
  separator(*File1);
  for (int n = 0; n < kRecentFileCount; ++n) {
    item(FF[n], *File1, kCmdFF0 + n, "", "", n);
    FF[n]->SetVisible(false);
  }
  item(E11, MainM1, kCmdNone, "\x95\xd2\x8fW(&E)", "", 0);  // 編集(&E)
  item(Find1, *E11, kCmdFind1, "\x8c\x9f\x8d\xf5(&F)", "Ctrl+F", 0);  // 検索(&F)
  item(FindNext1, *E11, kCmdFindNext1, "\x8e\x9f\x82\xf0\x8c\x9f\x8d\xf5(&S)", "F3", 0);  // 次を検索(&S)
  item(Copy1, *E11, kCmdCopy1, "\x83R\x83s\x81[(&C)", "Ctrl+C", 0);  // コピー(&C)
  item(N16, *E11, kCmdN16, "\x94\xd4\x8d\x86\x8f\x87\x82\xc9\x83\\\x81[\x83g", "", 0);  // 番号順にソート
  item(JCG1, *E11, kCmdJCG1, "Code\x8f\x87\x82\xc9\x83\\\x81[\x83g", "", 1);  // Code順にソート
  separator(*E11);
  item(N6, *E11, kCmdN6, "\x8c\xf0\x90M\x8d\xcf\x82\xdd\x82\xcc\x83" "f\x81[\x83^\x82\xf0\x95\\\x8e\xa6", "", 0);  // 交信済みのデータを表示
  item(N8, *E11, kCmdN8, "\x83R\x83\x93\x83t\x83@\x81[\x83\x80\x8d\xcf\x82\xdd\x82\xcc\x83" "f\x81[\x83^\x82\xf0\x95\\\x8e\xa6", "", 2);  // コンファーム済みのデータを表示
  item(N7, *E11, kCmdN7, "\x96\xa2\x8c\xf0\x90M\x82\xcc\x83" "f\x81[\x83^\x82\xf0\x95\\\x8e\xa6", "", 1);  // 未交信のデータを表示
  item(N10, *E11, kCmdN10, "\x96\xa2\x83R\x83\x93\x83t\x83@\x81[\x83\x80\x82\xcc\x83" "f\x81[\x83^\x82\xf0\x95\\\x8e\xa6", "", 4);  // 未コンファームのデータを表示
  separator(*E11);
  item(N5, *E11, kCmdN5, "\x83" "f\x81[\x83^\x95\xd2\x8fW\x83\x82\x81[\x83h", "", 0);  // データ編集モード
  item(A1, *E11, kCmdA1, "\x81@\x95\xd2\x8fW\x83" "f\x81[\x83^\x82\xf0\x92\xc7\x89\xc1(&A)", "", 0);  // 　編集データを追加(&A)
  item(E1, *E11, kCmdE1, "\x81@\x95\xd2\x8fW\x83" "f\x81[\x83^\x82\xf0\x8f" "C\x90\xb3(&E)", "", 1);  // 　編集データを修正(&E)
  item(D1, *E11, kCmdD1, "\x81@\x95\xd2\x8fW\x83" "f\x81[\x83^\x82\xf0\x8d\xed\x8f\x9c(&D)", "", 0);  // 　編集データを削除(&D)
  item(W1, *E11, kCmdW1, "\x81@&Wkd/Cfm\x8f\x89\x8a\xfa\x89\xbb", "", 0);  // 　&Wkd/Cfm初期化
  item(Jump1, MainM1, kCmdNone, "\x83G\x83\x8a\x83" "A\x95\xcaJump(&P)", "", 0);  // エリア別Jump(&P)
  int jump = 0;
  for (const AreaMenu& area : AreaMenuTable()) {
    if (area.prefectures.empty()) {
      AreaItems.push_back(std::make_unique<ui::TMenuItem>(*Jump1, kCmdJumpArea + jump++, area.caption, "", 1));
      continue;
    }
    AreaMenus.push_back(std::make_unique<ui::TMenuItem>(*Jump1, kCmdNone, area.caption));
    for (const char* prefecture : area.prefectures) {
      AreaItems.push_back(std::make_unique<ui::TMenuItem>(*AreaMenus.back(), kCmdJumpArea + jump++, prefecture));
    }
  }
  item(Sent1, MainM1, kCmdSent1, "Korvax\x82\xc9\x91\x97\x82\xe9(&T)", "Ctrl+T", 0);  // Korvaxに送る(&T)
  item(J1, MainM1, kCmdJ1, "\x83W\x83\x83\x83\x93\x83v(&J)", "Ctrl+J", 0);  // ジャンプ(&J)
  item(Korvax1, MainM1, kCmdKorvax1, "Korvax\x82\xf0\x91O\x96\xca(&Z)", "Ctrl+H", 0);  // Korvaxを前面(&Z)
  item(Show1, MainM1, kCmdShow1, "Korvax\x95\\\x8e\xa6(&L)", "Ctrl+L", 0);  // Korvax表示(&L)
  item(S1, MainM1, kCmdS1, "\x81y\x8fW\x8cv\x82\xc6\x90\xdd\x92\xe8(&S)\x81z", "", 0);  // 【集計と設定(&S)】
  item(N4, MainM1, kCmdN4, "\x8d\xc5\x8f\xac\x89\xbb(&M)", "", 0);  // 最小化(&M)
  item(Help2, MainM1, kCmdNone, "\x83w\x83\x8b\x83v(&H)", "", 0);  // ヘルプ(&H)
  item(Help1, *Help2, kCmdHelp + 0, "\x83w\x83\x8b\x83v(&H)", "F1", 9);  // ヘルプ(&H)
  item(Go1, *Help2, kCmdHelp + 1, "Google\x83y\x81[\x83W(&G)", "", 99);  // Googleページ(&G)
  separator(*Help2);
  item(N2, *Help2, kCmdHelp + 2, "\x93\xb9\x82\xcc\x89w\x83z\x81[\x83\x80\x83y\x81[\x83W", "", 0);  // 道の駅ホームページ
  item(N3, *Help2, kCmdHelp + 3, "\x93\xb9\x82\xcc\x89w\x83" "A\x83\x8f\x81[\x83h\x82\xcc\x83y\x81[\x83W", "", 1);  // 道の駅アワードのページ
  item(N14, *Help2, kCmdHelp + 4, "\x93\x92\x82\xaf\x82\xde\x82\xe8\x83" "A\x83\x8f\x81[\x83h\x82\xcc\x83y\x81[\x83W", "", 2);  // 湯けむりアワードのページ
  item(ZA1, *Help2, kCmdHelp + 5, "ZA\x83" "A\x83\x8f\x81[\x83h\x82\xcc\x83y\x81[\x83W", "", 3);  // ZAアワードのページ
  item(G1, *Help2, kCmdHelp + 6, "Sorvano\x82\xcc\x83y\x81[\x83W", "", 4);  // Sorvanoのページ
  item(H2, *Help2, kCmdHelp + 7, "KORVAX\x83z\x81[\x83\x80\x83y\x81[\x83W", "", 5);  // KORVAXホームページ
  separator(*Help2);
  item(About1, *Help2, kCmdHelp + 8, "\x83o\x81[\x83W\x83\x87\x83\x93\x8f\xee\x95\xf1(&V)", "", 0);  // バージョン情報(&V)
  for (int n = 0; n < kRecentFileCount; ++n) {
    item(FX[n], MainM1, kCmdFX0 + n, "", "", n);
    FX[n]->SetVisible(false);
  }
}
