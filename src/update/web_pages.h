// The addresses the program opens or reads, fixed when the program is built: the six
// pages of the Help menu (entry 4 is also the version page of the update check), the web
// search, and the user agent the HTTP client sends. They live here and nowhere else.
#pragma once

#include <array>
#include <string_view>

namespace update {

inline constexpr std::array<std::string_view, 6> kWebPages = {
    "https://www.michinoeki-net.example/",                  // roadside stations' home page
    "http://www.roadside-award.example/ham.top.htm",        // roadside-station award
    "http://homepage.hosting.example/~yukemuri/",           // hot-spring award
    "http://homepage.hosting.example/~za-award/AWD.html",  // ZA award
    "https://www.korvax-soft.example/vep/usdown.html",      // this program's download page
    "http://www.korvax-soft.example/",                      // the logging program's home page
};

inline constexpr std::size_t kVersionPageEntry = 4;

// The query is appended, encoded, to this.
inline constexpr std::string_view kSearchUrl = "https://www.google.com/search?q=";

// Sent as the user agent; also the title of the download's messages.
inline constexpr char kUserAgent[] = "KORVAX/Win";

}  // namespace update
