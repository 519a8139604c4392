// The list commands on a full-size list (30001 lines): the two sorts, a display filter,
// an area jump to a prefecture found only at the end, and a find next that scans the
// whole list. Records come in a shuffled order, as a list grows by hand.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "base/platform.h"
#include "targets/list_order.h"
#include "targets/list_search.h"

namespace {

constexpr char kStation[] = "\x93\xb9\x82\xcc\x89\x77";  // 道の駅
constexpr char kSapporo[] = "\x96\x6b\x8a\x43\x93\xb9\x8e\x44\x96\x79\x8e\x73";  // 北海道札幌市

std::vector<std::string> MakeLines() {
  std::vector<std::string> records;
  for (int i = 1; i < 30001; ++i) {
    const std::string number = std::to_string(i);
    // Codes of prefectures 02 to 46; 47 is the one record at the end.
    const int prefecture = i == 30000 ? 47 : 2 + i % 45;
    char code[16];
    std::snprintf(code, sizeof code, "%02d%04d", prefecture, i % 9973);
    std::string line = std::string(i % 3 ? "A-" : "B-") + number + "," + kStation + " " + number + "," +
                       code + "," + kSapporo;
    if (i % 4 != 0) line += ",JA1ABC<" + number + ">:JH2XYZ" + (i % 8 == 1 ? "(" : "<") + number + ")";
    records.push_back(std::move(line));
  }
  std::mt19937 random(7);
  std::shuffle(records.begin(), records.end(), random);
  records.insert(records.begin(), std::string("No,Name,Code,Place,Worked,") + kStation);
  return records;
}

const std::vector<std::string>& Lines() {
  static const std::vector<std::string> lines = MakeLines();
  return lines;
}

void Sort(benchmark::State& state, targets::SortOrder order) {
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> lines = Lines();
    state.ResumeTiming();
    targets::SortRecords(lines, order);
    benchmark::DoNotOptimize(lines.data());
  }
}
void BM_SortByNumber(benchmark::State& state) { Sort(state, targets::SortOrder::kByNumber); }
void BM_SortByCode(benchmark::State& state) { Sort(state, targets::SortOrder::kByCode); }

void BM_SortSortedByCode(benchmark::State& state) {
  std::vector<std::string> sorted = Lines();
  targets::SortRecords(sorted, targets::SortOrder::kByCode);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> lines = sorted;
    state.ResumeTiming();
    targets::SortRecords(lines, targets::SortOrder::kByCode);
    benchmark::DoNotOptimize(lines.data());
  }
}

void BM_FilterUnconfirmed(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<int> rows = targets::FilteredRowMap(Lines(), targets::DisplayFilter::kUnconfirmed, "<", "(");
    benchmark::DoNotOptimize(rows.data());
  }
}

void BM_AreaJumpToTheLastTarget(benchmark::State& state) {
  const std::vector<int> all = targets::IdentityRowMap(Lines().size());
  const int rows = static_cast<int>(Lines().size());
  for (auto _ : state) {
    auto row = targets::FindAreaRow(Lines(), all, rows, targets::AreaKey("47"));
    benchmark::DoNotOptimize(row);
  }
}

void BM_FindNextAroundTheWholeList(benchmark::State& state) {
  const std::vector<int> all = targets::IdentityRowMap(Lines().size());
  const int rows = static_cast<int>(Lines().size());
  for (auto _ : state) {
    // Found nowhere: every row is read once.
    auto row = targets::FindNextTextRow(Lines(), all, rows, rows / 2, "JA9NONE");
    benchmark::DoNotOptimize(row);
  }
}

BENCHMARK(BM_SortByNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByCode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortSortedByCode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterUnconfirmed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AreaJumpToTheLastTarget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextAroundTheWholeList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
