// Reading numbers out of settings texts such as "9,9,640,480,100", and the fixed-width
// bracket pairs.
#pragma once

#include "ui/not_in_core.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// Steps over the number at `cursor` and then over anything else up to the next digit or
// "-", leaves `cursor` there and returns the value of the number that starts there. At the
// end of the text, a control character other than tab, a double quote, ":" or "\" it
// stops and returns 0, leaving `cursor` where it stopped.
int NextNumber(std::string_view text, size_t& cursor);

// At most `width` bytes of `text`, padded with blanks to exactly `width` bytes.
std::string CopyPadded(std::string_view text, size_t width);

}  // namespace app
