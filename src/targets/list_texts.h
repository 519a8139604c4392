// The texts of the list commands (sort, filters, area jump, find, edit mode), as
// Shift-JIS bytes with the readable text beside each. Keep them byte for byte.
#pragma once

#include "ui/not_in_core.h"

namespace targets {

// Follows the filter's name when no record is kept.
inline constexpr char kTextNotFoundTail[] = "\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81I";  // が見つかりません！
inline constexpr char kTextAreaHead[] = "Korvax == ";  // Korvax == 
// The area jump found no target: "Korvax == ", the area name, then this.
inline constexpr char kTextAreaTail[] = "\r\r\x81" "E\x81" "E\x81" "E\x82\xc9\x88\xea\x92v\x82\xb7\x82\xe9\x83R\x81[\x83h\x82\xcd\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81" "B";  // \r\r・・・に一致するコードは見つかりませんでした。
// The area item without a prefecture list stands for this one.
inline constexpr char kAreaHokkaido[] = "01 \x96k\x8a" "C\x93\xb9";  // 01 北海道
// %s is the search text.
inline constexpr char kTextSearchNotFound[] = "\x8c\x9f\x8d\xf5\x95\xb6\x8e\x9a\x97\xf1\r\r\x81u%s\x81v\r\r\x81" "E\x81" "E\x81" "E\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81I";  // 検索文字列\r\r「%s」\r\r・・・が見つかりません！
inline constexpr char kSearchCaption[] = "\x8c\x9f\x8d\xf5";  // 検索
inline constexpr char kSearchLabel[] = "\x95\x94\x95\xaa\x95\xb6\x8e\x9a\x97\xf1\x82\xc5\x8c\x9f\x8d\xf5\x82\xb5\x82\xdc\x82\xb7";  // 部分文字列で検索します
inline constexpr char kOkCaption[] = "OK";  // OK
inline constexpr char kCancelCaption[] = "\x83L\x83\x83\x83\x93\x83Z\x83\x8b";  // キャンセル
inline constexpr char kSearchFontName[] = "\x82l\x82r \x83S\x83V\x83" "b\x83N";  // ＭＳ ゴシック
// Edit questions: the record text, then these; captioned with the award name and a tail.
inline constexpr char kTextAddQuestion[] = "\r\r\x81" "E\x81" "E\x81" "E\x82\xf0\x92\xc7\x89\xc1\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81H";  // \r\r・・・を追加しますか？
inline constexpr char kAddCaptionTail[] = "\x82\xcc\x92\xc7\x89\xc1";  // の追加
inline constexpr char kModifyArrow[] = "\r\x81@\x81@\x81\xab\r";  // \r　　↓\r
inline constexpr char kTextModifyQuestion[] = "\r\r\x81" "E\x81" "E\x81" "E\x82\xc9\x8f" "C\x90\xb3\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81H";  // \r\r・・・に修正しますか？
inline constexpr char kModifyCaptionTail[] = "\x82\xcc\x8f" "C\x90\xb3";  // の修正
inline constexpr char kTextDeleteQuestion[] = "\r\r\x81" "E\x81" "E\x81" "E\x82\xf0\x8d\xed\x8f\x9c\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81H";  // \r\r・・・を削除しますか？
inline constexpr char kDeleteCaptionTail[] = "\x82\xcc\x8d\xed\x8f\x9c";  // の削除
// An edit refused because the saved list would be too short to open again.
inline constexpr char kTextTooFewRecords[] = "\x82\xb1\x82\xcc\x95\xcf\x8dX\x82\xf0\x82\xb7\x82\xe9\x82\xc6\x83" "f\x81[\x83^\x82\xaa" "9\x8c\x8f\x96\xa2\x96\x9e\x82\xc9\x82\xc8\x82\xe8\x81" "A\x83t\x83@\x83" "C\x83\x8b\x82\xf0\x8aJ\x82\xaf\x82\xc8\x82\xad\x82\xc8\x82\xe8\x82\xdc\x82\xb7\x81" "B\r\r\x95\xcf\x8dX\x82\xcd\x8ds\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81" "B";  // この変更をするとデータが9件未満になり、ファイルを開けなくなります。\r\r変更は行いませんでした。

}  // namespace targets
