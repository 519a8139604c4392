// The library's text helpers: date comparison, band of a frequency, class of a QTH code
// and number conversion. None of them reads past a text's NUL; a null text is empty.
#include <korvax50.h>

#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int TwoDigits(const char* text) { return (text[0] - '0') * 10 + (text[1] - '0'); }

// yyyymmdd of a yy/mm/dd text; 0 (earlier than every date) for "00/00/00" and for text
// that is not a date. Years 00..50 are 2000..2050, 51..99 are 1951..1999.
int32_t DateKey(const char* date) {
  if (!date) return 0;
  for (int i = 0; i < 8; ++i) {
    bool slash = i == 2 || i == 5;
    if (slash ? date[i] != '/' : !IsDigit(date[i])) return 0;
  }
  int yy = TwoDigits(date);
  int mm = TwoDigits(date + 3);
  int dd = TwoDigits(date + 6);
  if (yy == 0 && mm == 0 && dd == 0) return 0;
  int year = yy <= 50 ? 2000 + yy : 1900 + yy;
  return year * 10000 + mm * 100 + dd;
}

// Hz of a MHz text ("7", "7.025", " 430.12"); -1 when it holds no number.
int64_t FrequencyHz(const char* text) {
  if (!text) return -1;
  while (*text == ' ') ++text;
  int64_t hz = 0;
  bool any_digit = false;
  for (; IsDigit(*text); ++text) {
    any_digit = true;
    if (hz > 100'000'000) return -1;  // far beyond any band; keeps the Hz in range
    hz = hz * 10 + (*text - '0');
  }
  hz *= 1'000'000;
  if (*text == '.') {
    ++text;
    int64_t place = 100'000;
    for (; IsDigit(*text); ++text) {
      any_digit = true;
      hz += (*text - '0') * place;
      place /= 10;
    }
  }
  return any_digit ? hz : -1;
}

struct Band {
  int64_t low_hz;
  int64_t high_hz;  // inclusive
};

// Each band starts at its usual name ("1.9", "10", "1200", "5600") so that a band name
// typed as the frequency falls into its band.
constexpr Band kBands[] = {
    {1'800'000, 2'000'000},         {3'500'000, 4'000'000},
    {7'000'000, 7'300'000},         {10'000'000, 10'150'000},
    {14'000'000, 14'350'000},       {18'000'000, 18'168'000},
    {21'000'000, 21'450'000},       {24'000'000, 24'990'000},
    {28'000'000, 29'700'000},       {50'000'000, 54'000'000},
    {144'000'000, 148'000'000},     {430'000'000, 450'000'000},
    {1'200'000'000, 1'300'000'000}, {2'300'000'000, 2'450'000'000},
    {5'600'000'000, 5'925'000'000},
};

}  // namespace

extern "C" {

int32_t KRXAPI DateComp(const char* a, const char* b) {
  int32_t key_a = DateKey(a);
  int32_t key_b = DateKey(b);
  return key_a > key_b ? 1 : key_a < key_b ? -1 : 0;
}

int32_t KRXAPI FreqPCheck(const char* frequency) {
  int64_t hz = FrequencyHz(frequency);
  for (int32_t i = 0; i < static_cast<int32_t>(sizeof kBands / sizeof kBands[0]); ++i) {
    if (hz >= kBands[i].low_hz && hz <= kBands[i].high_hz) return i;
  }
  return -1;
}

int32_t KRXAPI ChosonCheck(const char* qth_code) {
  if (!qth_code) return 0;
  size_t length = std::strlen(qth_code);
  while (length > 0 && qth_code[length - 1] == ' ') --length;
  for (size_t i = 0; i < length; ++i) {
    if (!IsDigit(qth_code[i])) return 0;
  }
  switch (length) {
    case 2:  // prefecture
      return 2;
    case 4:  // city
      return 4;
    case 5:  // county
      return 5;
    case 6:  // ward of a city: the city's four digits and two more
      return 6;
    default:
      return 0;
  }
}

int32_t KRXAPI StrToLong(const char* text) {
  if (!text) return 0;
  while (*text == ' ' || *text == '\t') ++text;
  bool negative = *text == '-';
  if (negative) ++text;
  // Accumulate as a negative number so that INT32_MIN fits; saturate on overflow.
  int64_t value = 0;
  for (; IsDigit(*text); ++text) {
    value = value * 10 - (*text - '0');
    if (value < INT32_MIN) {
      value = INT32_MIN - int64_t{1};
      break;
    }
  }
  if (negative) return value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
  return -value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(-value);
}

}  // extern "C"
