// The fabricated roadside stations of the demo list: numbers □PP-NNN by prefecture,
// names, municipality codes and locations. Texts are UTF-8 here and become Shift-JIS
// when written.
#pragma once

#include <string>
#include <vector>

#include "demo_random.h"

struct DemoPlace {
  int prefecture = 0;    // 1..47, the list's own numbering
  std::string code;      // 4-digit city, 5-digit county or 6-digit ward code
  std::string location;  // prefecture and municipality
};

struct DemoTarget {
  std::string number;  // □PP-NNN
  std::string name;
  DemoPlace place;
  std::string worked;  // worked entries, filled from the demo QSOs for some targets
};

struct DemoList {
  std::vector<DemoPlace> places;  // every municipality, targets' or not
  std::vector<DemoTarget> targets;
};

DemoList MakeDemoList(DemoRandom& random);

// The call-sign area digit of a prefecture.
int CallArea(int prefecture);

// The list file's lines, header first, UTF-8.
std::vector<std::string> DemoListLines(const DemoList& list);
