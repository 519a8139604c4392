// The tally's own words, as Shift-JIS bytes (the readable text is in the comment beside
// each). Keep them byte for byte.
#pragma once

namespace tally::texts {

// 「%s」との交信記録はありません。 around the award name.
inline constexpr char kNoContactsHead[] = "\x81u";  // 「
inline constexpr char kNoContactsTail[] =
    "\x81v\x82\xc6\x82\xcc\x8c\xf0\x90M\x8bL\x98^\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B";  // 」との交信記録はありません。

// %d箇所の「%s」と交信しています。\r\rうち %d箇所のコンファームです。
inline constexpr char kWorkedAfterCount[] = "\x89\xd3\x8f\x8a\x82\xcc\x81u";  // 箇所の「
inline constexpr char kWorkedAfterName[] =
    "\x81v\x82\xc6\x8c\xf0\x90M\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81" "B\r\r\x82\xa4\x82\xbf ";  // 」と交信しています。\r\rうち 
inline constexpr char kConfirmedAfterCount[] =
    "\x89\xd3\x8f\x8a\x82\xcc\x83R\x83\x93\x83t\x83@\x81[\x83\x80\x82\xc5\x82\xb7\x81" "B";  // 箇所のコンファームです。

// \r\rアワードの申請ファイル（エクセル）に貼り付けることができます。
inline constexpr char kTableNote[] =
    "\r\r\x83" "A\x83\x8f\x81[\x83h\x82\xcc\x90\x5c\x90\xbf\x83t\x83@\x83" "C\x83\x8b\x81i\x83G\x83N\x83Z\x83\x8b\x81j\x82\xc9\x93\x5c\x82\xe8\x95t\x82\xaf\x82\xe9\x82\xb1\x82\xc6\x82\xaa\x82\xc5\x82\xab\x82\xdc\x82\xb7\x81" "B";

}  // namespace tally::texts
