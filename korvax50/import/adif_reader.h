// Splits an ADIF text (.adi) into QSOs: an optional header ended by <EOH>, then fields
// <NAME:length[:type]>data, each QSO ended by <EOR>. Lengths count bytes. Field names
// come out upper-case; values are the raw bytes.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvax {

struct AdifQso {
  std::vector<std::pair<std::string, std::string>> fields;
  // The value of field `name` (upper-case), or "" when absent.
  std::string_view Get(std::string_view name) const;
};

struct AdifText {
  std::vector<AdifQso> qsos;
  int unterminated = 0;  // fields after the last <EOR>, dropped
};

// False, with `error` set, when the text is not ADIF (a tag without '>', a field length
// that is not a number or runs past the end).
bool ParseAdif(std::string_view text, AdifText* result, std::string* error);

// The same reading, handing each QSO to `on_qso` as soon as its <EOR> is read, so that a
// large file is never held as parsed QSOs all at once. On an error the QSOs before it
// have been handed over already.
bool ForEachAdifQso(std::string_view text, const std::function<void(const AdifQso&)>& on_qso,
                    int* unterminated, std::string* error);

}  // namespace korvax
