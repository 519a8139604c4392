// Program-wide texts, as Shift-JIS bytes (the readable text is in the comment beside
// each). They are the program's own words: keep them byte for byte.
#pragma once

#include "ui/not_in_core.h"

namespace app {

inline constexpr char kAppTitle[] = "Sorvano";
inline constexpr char kVersionText[] = "Sorvano Ver5.6b\x81@";  // Sorvano Ver5.6b　
inline constexpr char kBuildDate[] = "2021/01/28";

inline constexpr char kTextUseNewerLibrary[] =
    "\x8d\xc5\x90V\x82\xccKORVAX/Win\x82\xf0\x8eg\x82\xc1\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2";  // 最新のKORVAX/Winを使ってください
inline constexpr char kTextCannotConnect[] =
    "\x83" "C\x83\x93\x83^\x81[\x83l\x83" "b\x83g\x82\xc9\x90\xda\x91\xb1\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1";  // インターネットに接続できません
// Follows the award name in the question asked on closing with unsaved changes.
inline constexpr char kTextSaveQuestion[] = "\x83" "f\x81[\x83^\x82\xf0\x95\xdb\x91\xb6\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81H";  // データを保存しますか？
inline constexpr char kDefaultListFile[] = "\x93\xb9\x82\xcc\x89w.scsv";  // 道の駅.scsv

inline constexpr char kTextTooManyLines[] = "\x83" "f\x81[\x83^\x82\xaa\x91\xbd\x82\xb7\x82\xac\x82\xe9\x82\xcc\x82\xc5\x8d\xed\x82\xe8\x82\xdc\x82\xb5\x82\xbd";  // データが多すぎるので削りました
// Follows the award name in the question asked before another list replaces a changed one.
inline constexpr char kTextChangedSaveQuestion[] =
    "\x83" "f\x81[\x83^\x82\xc9\x95\xcf\x8dX\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb7\x81" "B\x95\xdb\x91\xb6\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81H";  // データに変更があります。保存しますか？
inline constexpr char kOpen1Title[] = "\x93\xb9\x82\xcc\x89w\x83t\x83@\x83" "C\x83\x8b\x82\xf0\x8aJ\x82\xad";  // 道の駅ファイルを開く
inline constexpr char kOpen1Filter[] = "\x93\xb9\x82\xcc\x89w\x83t\x83@\x83" "C\x83\x8b(*.scsv)|*.scsv";  // 道の駅ファイル(*.scsv)|*.scsv
// Follows the award name in the status line; %d are the worked and all targets.
inline constexpr char kStatusFormatTail[] = "\x81\x81%d\x81^%d\x8c\x8f";  // ＝%d／%d件

}  // namespace app
