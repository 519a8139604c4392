#include "adif_mapping.h"

#include <string_view>

#include "text_convert.h"

namespace korvax {
namespace {

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// YYYYMMDD with a month of 01..12 and a day that month has (29 February in leap years).
bool IsCalendarDate(std::string_view date) {
  if (date.size() != 8 || !AllDigits(date)) return false;
  const auto number = [&](size_t at, size_t length) {
    int value = 0;
    for (size_t i = at; i < at + length; ++i) value = value * 10 + (date[i] - '0');
    return value;
  };
  const int year = number(0, 4);
  const int month = number(4, 2);
  const int day = number(6, 2);
  if (month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (month == 2 && day == 29) return leap;
  return day <= kDays[month - 1];
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// Band name as a frequency text, for QSOs that carry BAND but no FREQ.
std::string_view BandFrequency(std::string_view band) {
  static constexpr std::pair<std::string_view, std::string_view> kBands[] = {
      {"160M", "1.9"}, {"80M", "3.5"},   {"40M", "7"},     {"30M", "10"},
      {"20M", "14"},   {"17M", "18"},    {"15M", "21"},    {"12M", "24"},
      {"10M", "28"},   {"6M", "50"},     {"2M", "144"},    {"70CM", "430"},
      {"23CM", "1200"}, {"13CM", "2400"}, {"6CM", "5600"},
  };
  std::string upper = UpperAscii(Trim(band));
  for (const auto& [name, frequency] : kBands) {
    if (upper == name) return frequency;
  }
  return {};
}

// The QTH code is the last part of the value after any ':' or ',' ("JA:1001" -> "1001").
std::string_view QthCode(std::string_view value) {
  value = Trim(value);
  size_t cut = value.find_last_of(":,");
  if (cut != std::string_view::npos) value = Trim(value.substr(cut + 1));
  return value;
}

}  // namespace

bool MapAdifQso(const AdifQso& qso, const AdifMapping& mapping, MstRecord* record,
                std::string* sort_key, std::string* why) {
  auto text = [&](std::string_view value) {
    std::string_view trimmed = Trim(value);
    return mapping.utf8 ? Utf8ToSjis(trimmed) : std::string(trimmed);
  };
  std::string call = UpperAscii(Trim(qso.Get("CALL")));
  if (call.empty()) {
    *why = "no CALL";
    return false;
  }
  std::string_view date = Trim(qso.Get("QSO_DATE"));
  if (!IsCalendarDate(date)) {
    *why = "no valid QSO_DATE";
    return false;
  }
  std::string_view time = Trim(qso.Get("TIME_ON"));
  bool time_ok = (time.size() == 4 || time.size() == 6) && AllDigits(time);

  MstRecord out;
  out.call = call;
  out.date = std::string(date.substr(2, 2)) + "/" + std::string(date.substr(4, 2)) + "/" +
             std::string(date.substr(6, 2));
  if (time_ok) out.time = std::string(time.substr(0, 2)) + ":" + std::string(time.substr(2, 2));
  out.qth = text(QthCode(qso.Get(mapping.qth_field)));
  std::string received = UpperAscii(Trim(qso.Get("QSL_RCVD")));
  out.qsl_mark = received == "Y" || received == "V" ? mapping.qsl_mark : ' ';
  std::string_view frequency = Trim(qso.Get("FREQ"));
  out.frequency = std::string(frequency.empty() ? BandFrequency(qso.Get("BAND")) : frequency);
  std::string mode = UpperAscii(Trim(qso.Get("MODE")));
  std::string submode = UpperAscii(Trim(qso.Get("SUBMODE")));
  out.mode = mode == "MFSK" && !submode.empty() ? submode : mode;
  // A station that signs with a '/' (JA1ABC/1, JA1ABC/P, JD1/JA1ABC) is away from home.
  out.portable = call.find('/') != std::string::npos;
  out.remarks1 = text(qso.Get("COMMENT"));
  out.remarks2 = text(qso.Get("NOTES"));
  *record = std::move(out);
  *sort_key = std::string(date) + (time_ok ? std::string(time) : std::string()) + "000000";
  sort_key->resize(14);
  return true;
}

}  // namespace korvax
