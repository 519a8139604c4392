// What a whole-file read accepts, and the reasons given when it refuses a file. Shared by
// both platforms' file code.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// The most a whole-file read takes (a list or settings file); a larger file is refused
// instead of being read into memory without bound.
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{16} << 20;

// "通常のファイルではありません": a device, a pipe or a socket.
inline constexpr std::string_view kNotARegularFile =
    "\x92\xca\x8f\xed\x82\xcc\x83t\x83@\x83" "C\x83\x8b\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1";
// "大きすぎます (上限 16 MB)"
inline constexpr std::string_view kFileTooLarge =
    "\x91\xe5\x82\xab\x82\xb7\x82\xac\x82\xdc\x82\xb7 (\x8f\xe3\x8c\xc0 16 MB)";

}  // namespace platform
