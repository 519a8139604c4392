// The tally dialog's own texts, as Shift-JIS bytes (the readable text is in the comment
// beside each). Keep them byte for byte.
#pragma once

#include "ui/not_in_core.h"

namespace tally::dialog_texts {

inline constexpr char kCaptionHead[] = "\x8f\x57\x8c\x76\x82\xc6\x90\xdd\x92\xe8\x20\x81\x60\x20";  // 集計と設定 ～ 
inline constexpr char kCaptionTail[] = "\x94\xc5";  // 版
inline constexpr char kStartButton[] = "\x8f\x57\x8c\x76\x8a\x4a\x8e\x6e(&S)";  // 集計開始(&S)
inline constexpr char kAbortButton[] = "\x92\x86\x81\x40\x92\x66";  // 中　断
inline constexpr char kPortableOnly[] = "\x88\xda\x93\xae\x8b\xc7\x82\xcc\x82\xdd\x8f\x57\x8c\x76";  // 移動局のみ集計
inline constexpr char kFixedOnly[] = "\x8c\xc5\x92\xe8\x8b\xc7\x82\xcc\x82\xdd\x8f\x57\x8c\x76";  // 固定局のみ集計
inline constexpr char kPortableAndFixed[] =
    "\x88\xda\x93\xae\x82\xe0\x8c\xc5\x92\xe8\x82\xe0\x8f\x57\x8c\x76";  // 移動も固定も集計
inline constexpr char kFontsReset[] =
    "\x83\x74\x83\x48\x83\x93\x83\x67\x82\xf0\x8f\x89\x8a\xfa\x92\x6c\x82\xc9\x96\xdf\x82\xb5"
    "\x82\xdc\x82\xb5\x82\xbd\x81\x42\r\r"
    "\x8e\x9f\x89\xf1\x8b\x4e\x93\xae\x8e\x9e\x82\xa9\x82\xe7\x97\x4c\x8c\xf8\x82\xc9\x82\xc8"
    "\x82\xe8\x82\xdc\x82\xb7\x81\x42";  // フォントを初期値に戻しました。\r\r次回起動時から有効になります。
inline constexpr char kOpen2Title[] = "QSO\x83\x66\x81\x5b\x83\x5e\x82\xf0\x8a\x4a\x82\xad";  // QSOデータを開く
inline constexpr char kOpen2Filter[] = "QSO\x83\x66\x81\x5b\x83\x5e(*.mst)|*.mst";  // QSOデータ(*.mst)|*.mst
inline constexpr char kOpen2DefaultExt[] = "MST";

}  // namespace tally::dialog_texts
