#include "demo_qsos.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kQsoCount = 3200;
constexpr int kOperators = 420;
constexpr int kActivators = 70;

const std::vector<std::string> kPrefixes = {"JA", "JE", "JF", "JG", "JH", "JI", "JJ", "JK",
                                            "JL", "JM", "JN", "JO", "JP", "JQ", "JR", "JS",
                                            "7K", "7L", "7M", "7N"};
const std::vector<std::string> kPlainRemarks = {
    "", "", "", "", "59", "599", "初QSO", "QSLはビューロー経由", "ありがとうございました",
    "移動運用", "FB", "また宜しく", "eQSL", "コンテスト"};
const std::vector<std::string> kActivationNotes = {"", "", "道の駅移動", "車から運用",
                                                   "QRV中", "ハンディ機"};

struct Band {
  int low_khz;
  int width_khz;  // of the part used
  int weight;
  bool vhf;
};
const Band kBands[] = {
    {1810, 100, 2, false},      {3500, 300, 4, false},      {7000, 200, 28, false},
    {10100, 50, 3, false},      {14000, 350, 6, false},     {18068, 100, 3, false},
    {21000, 450, 6, false},     {24890, 100, 2, false},     {28000, 1700, 6, false},
    {50000, 2000, 10, false},   {144000, 4000, 12, true},   {430000, 10000, 16, true},
    {1294000, 6000, 2, true},
};

std::string Letters(DemoRandom& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text.push_back(static_cast<char>('A' + random.Below(26)));
  return text;
}

std::vector<std::string> MakeCalls(DemoRandom& random, int count) {
  std::vector<std::string> calls;
  while (static_cast<int>(calls.size()) < count) {
    std::string call = random.Pick(kPrefixes) + std::to_string(random.Below(10)) +
                       Letters(random, 2 + random.Below(2));
    bool seen = false;
    for (const std::string& other : calls) seen = seen || other == call;
    if (!seen) calls.push_back(call);
  }
  return calls;
}

// Frequency text in MHz within a band, and a mode that suits it.
void PickFrequencyAndMode(DemoRandom& random, korvax::MstRecord* qso) {
  int total = 0;
  for (const Band& band : kBands) total += band.weight;
  int pick = random.Below(total);
  const Band* chosen = &kBands[0];
  for (const Band& band : kBands) {
    if (pick < band.weight) {
      chosen = &band;
      break;
    }
    pick -= band.weight;
  }
  int khz = chosen->low_khz + random.Below(chosen->width_khz);
  char text[24];
  if (chosen->vhf) {
    std::snprintf(text, sizeof text, "%d.%02d", khz / 1000, khz % 1000 / 10);
  } else {
    std::snprintf(text, sizeof text, "%d.%03d", khz / 1000, khz % 1000);
  }
  qso->frequency = text;
  if (chosen->vhf) {
    qso->mode = random.Percent(80) ? "FM" : "SSB";
  } else {
    const char* hf_modes[] = {"CW", "CW", "CW", "SSB", "SSB", "SSB", "FT8", "FT8", "RTTY"};
    qso->mode = hf_modes[random.Below(9)];
  }
}

// Minutes since 2016-01-01 00:00 to yy/mm/dd and hh:mm.
void SetDateAndTime(int64_t minutes, korvax::MstRecord* qso) {
  static const int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int64_t days = minutes / 1440;
  int minute_of_day = static_cast<int>(minutes % 1440);
  int year = 2016;
  while (true) {
    bool leap = year % 4 == 0;
    int year_days = leap ? 366 : 365;
    if (days < year_days) break;
    days -= year_days;
    ++year;
  }
  int month = 0;
  while (true) {
    int month_days = kMonthDays[month] + (month == 1 && year % 4 == 0 ? 1 : 0);
    if (days < month_days) break;
    days -= month_days;
    ++month;
  }
  char text[40];
  std::snprintf(text, sizeof text, "%02d/%02d/%02d", year % 100, month + 1,
                static_cast<int>(days) + 1);
  qso->date = text;
  std::snprintf(text, sizeof text, "%02d:%02d", minute_of_day / 60, minute_of_day % 60);
  qso->time = text;
}

}  // namespace

std::vector<korvax::MstRecord> MakeDemoQsos(DemoRandom& random, const DemoList& list) {
  std::vector<std::string> operators = MakeCalls(random, kOperators);
  std::vector<std::string> activators(operators.begin(), operators.begin() + kActivators);
  // About a third of the stations never see an activation, so that the demo list keeps
  // unworked targets.
  std::vector<const DemoTarget*> activated;
  for (const DemoTarget& target : list.targets) {
    if (random.Percent(68)) activated.push_back(&target);
  }
  std::vector<korvax::MstRecord> qsos;
  // Five years, spread over the QSOs; evenings and weekends are not modelled.
  const int64_t kSpan = int64_t{5} * 365 * 1440;
  int64_t minutes = 0;
  for (int i = 0; i < kQsoCount; ++i) {
    minutes += 1 + random.Below(static_cast<int>(2 * kSpan / kQsoCount));
    korvax::MstRecord qso;
    SetDateAndTime(minutes, &qso);
    PickFrequencyAndMode(random, &qso);
    if (random.Percent(55)) {
      // An operator at a roadside station, signing /area, with the code in Remarks.
      const DemoTarget& target = *random.Pick(activated);
      qso.call = random.Pick(activators) + "/" + std::to_string(CallArea(target.place.prefecture));
      qso.portable = true;
      qso.qth = target.place.code;
      std::string code = target.number + "," + target.name;
      std::string note = random.Pick(kActivationNotes);
      if (random.Percent(12)) {
        qso.remarks1 = note;
        qso.remarks2 = code;
      } else {
        qso.remarks1 = code;
        qso.remarks2 = note;
      }
    } else {
      qso.call = random.Pick(operators);
      qso.portable = random.Percent(10);
      qso.qth = random.Pick(list.places).code;
      qso.remarks1 = random.Pick(kPlainRemarks);
    }
    // Cards from the older years have mostly come back.
    bool old = i < kQsoCount * 3 / 4;
    if (random.Percent(old ? 60 : 15)) qso.qsl_mark = random.Percent(90) ? 'J' : 'E';
    qsos.push_back(std::move(qso));
  }
  return qsos;
}

void MarkSomeTargetsWorked(const std::vector<korvax::MstRecord>& qsos, DemoList* list) {
  for (size_t t = 0; t < list->targets.size(); t += 4) {
    DemoTarget& target = list->targets[t];
    std::string key = target.number + ",";
    // Newest first, as the tally appends them.
    for (size_t n = qsos.size(); n >= 1; --n) {
      const korvax::MstRecord& qso = qsos[n - 1];
      if (qso.remarks1.rfind(key, 0) != 0 && qso.remarks2.rfind(key, 0) != 0) continue;
      bool confirmed = qso.qsl_mark != ' ';
      if (!target.worked.empty()) target.worked += ":";
      target.worked += qso.call + (confirmed ? "(" : "<") + std::to_string(n) +
                       (confirmed ? ")" : ">");
    }
  }
}
