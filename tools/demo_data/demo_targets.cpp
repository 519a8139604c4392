#include "demo_targets.h"

#include <cstdio>

namespace {

// In the list's numbering, which groups prefectures by call-sign area.
const char* const kPrefectures[48] = {
    "",         "北海道",   "青森県",   "岩手県", "秋田県", "山形県",   "宮城県", "福島県",
    "新潟県",   "長野県",   "東京都",   "神奈川県", "千葉県", "埼玉県", "茨城県", "栃木県",
    "群馬県",   "山梨県",   "静岡県",   "岐阜県", "愛知県", "三重県",   "京都府", "滋賀県",
    "奈良県",   "大阪府",   "和歌山県", "兵庫県", "富山県", "福井県",   "石川県", "岡山県",
    "島根県",   "山口県",   "鳥取県",   "広島県", "香川県", "徳島県",   "愛媛県", "高知県",
    "福岡県",   "佐賀県",   "長崎県",   "熊本県", "大分県", "宮崎県",   "鹿児島県", "沖縄県"};

// Kanji pairs make the fabricated place names.
const std::vector<std::string> kFirst = {
    "青", "赤", "白", "東", "西", "南", "北", "大", "小", "高", "中", "新", "古", "若",
    "朝", "星", "月", "花", "桜", "松", "杉", "竹", "梅", "柳", "森", "泉", "滝", "岩",
    "石", "鶴", "亀", "鷹", "萩", "菊", "藤", "榊", "栗", "桃", "柿", "霧", "雪", "風"};
const std::vector<std::string> kSecond = {
    "川", "山", "野", "原", "田", "沢", "谷", "浜", "崎", "島", "瀬", "見", "平", "尾",
    "台", "里", "岡", "江", "津", "浦", "宮", "本", "園", "根", "木", "辺", "郷", "坂"};
const std::vector<std::string> kKanaWords = {
    "ふれあい", "やすらぎ", "さくら", "みずほ", "ひだまり", "そよかぜ", "いこい", "あおぞら",
    "せせらぎ", "こもれび", "みのり", "はなみずき"};
const std::vector<std::string> kSuffixes = {
    "の里", "温泉", "高原", "の郷", "峠", "湖畔", "ロマン館", "夢広場", "交流館",
    "マルシェ", "ステーション", "みなと", "の森", "ふるさと館"};
const std::vector<std::string> kWards = {"中区", "東区", "西区", "南区", "北区"};

// Prefectures whose first city has wards.
bool HasWards(int prefecture) {
  for (int p : {1, 6, 10, 11, 18, 20, 22, 25, 27, 31, 35, 40, 43}) {
    if (p == prefecture) return true;
  }
  return false;
}

std::string PlaceName(DemoRandom& random) {
  std::string first = random.Pick(kFirst);
  std::string second = random.Pick(kSecond);
  return first + second;
}

std::string StationName(DemoRandom& random, const std::string& place) {
  switch (random.Below(4)) {
    case 0:
      return place;
    case 1:
      return random.Pick(kKanaWords) + place;
    default:
      return place + random.Pick(kSuffixes);
  }
}

std::string Digits(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

}  // namespace

int CallArea(int prefecture) {
  if (prefecture == 1) return 8;
  if (prefecture <= 7) return 7;
  if (prefecture <= 9) return 0;
  if (prefecture <= 17) return 1;
  if (prefecture <= 21) return 2;
  if (prefecture <= 27) return 3;
  if (prefecture <= 30) return 9;
  if (prefecture <= 35) return 4;
  if (prefecture <= 39) return 5;
  return 6;
}

DemoList MakeDemoList(DemoRandom& random) {
  DemoList list;
  for (int prefecture = 1; prefecture <= 47; ++prefecture) {
    std::string pp = Digits(prefecture, 2);
    std::string prefecture_name = kPrefectures[prefecture];
    // Five cities and three counties with one town each.
    std::vector<DemoPlace> places;
    for (int city = 1; city <= 5; ++city) {
      places.push_back({prefecture, pp + Digits(city, 2), prefecture_name + PlaceName(random) + "市"});
    }
    for (int county = 1; county <= 3; ++county) {
      std::string town = PlaceName(random) + (random.Percent(25) ? "村" : "町");
      places.push_back({prefecture, pp + Digits(county * 7, 3),
                        prefecture_name + PlaceName(random) + "郡" + town});
    }
    if (HasWards(prefecture)) {
      // The first city is split into wards, each with a code of its own.
      DemoPlace city = places[0];
      places.erase(places.begin());
      for (int ward = 0; ward < 3; ++ward) {
        places.push_back({prefecture, city.code + Digits(ward + 1, 2), city.location + kWards[static_cast<size_t>(ward)]});
      }
    }
    list.places.insert(list.places.end(), places.begin(), places.end());

    int stations = 5 + random.Below(8);
    for (int n = 1; n <= stations; ++n) {
      DemoTarget target;
      target.number = "□" + pp + "-" + Digits(n, 3);
      target.name = StationName(random, PlaceName(random));
      target.place = random.Pick(places);
      list.targets.push_back(std::move(target));
    }
  }
  return list;
}

std::vector<std::string> DemoListLines(const DemoList& list) {
  // Column titles, award name, no start date, no option bits.
  std::vector<std::string> lines = {"番号,道の駅名,コード,所在地,交信局,道の駅,,0"};
  for (const DemoTarget& target : list.targets) {
    std::string line = target.number + "," + target.name + "," + target.place.code + "," +
                       target.place.location;
    if (!target.worked.empty()) line += "," + target.worked;
    lines.push_back(line);
  }
  return lines;
}
