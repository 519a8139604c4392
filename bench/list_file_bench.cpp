// Loading and saving a full-size target list: 30001 lines (about 3 MB) of Shift-JIS
// records, most of them worked. Loading is read + line split + PrepareList, as after the
// open command; saving writes every line through the atomic replace.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "targets/comma_text.h"
#include "targets/list_file_io.h"
#include "targets/target_list.h"

namespace {

// 道の駅, 北海道札幌市中央区, 東京都千代田区丸の内 as Shift-JIS
constexpr char kStation[] = "\x93\xb9\x82\xcc\x89\x77";
constexpr char kSapporo[] =
    "\x96\x6b\x8a\x43\x93\xb9\x8e\x44\x96\x79\x8e\x73\x92\x86\x89\x9b\x8b\xe6";
constexpr char kMarunouchi[] =
    "\x93\x8c\x8b\x9e\x93\x73\x90\xe7\x91\xe3\x93\x63\x8b\xe6\x8a\xdb\x82\xcc\x93\xe0";

std::vector<std::string> MakeLines() {
  std::vector<std::string> lines = {
      std::string("No,Name,Code,Place,Worked,") + kStation + ",15/04/01,0"};
  for (int i = 1; i < 30001; ++i) {
    const std::string number = std::to_string(i);
    std::string place = i % 2 ? kSapporo : kMarunouchi;
    if (i % 10 == 0) place = "\"" + place + ", annex " + number + "\"";  // quoted
    std::string line = number + "," + kStation + " " + number + "," +
                       std::to_string(100000 + i % 47 * 100) + "," + place;
    if (i % 4 != 0) {
      line += ",JA1ABC<" + number + ">:JH2XYZ(" + std::to_string(i * 7) + "):JR3QRS<" +
              std::to_string(i * 3) + ">:7K4ABC<" + std::to_string(i * 11) + ">:JA9ZZZ(" +
              std::to_string(i * 13) + ")";
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::filesystem::path g_list_path;

void BM_LoadList(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::string> lines = targets::ReadListFile(g_list_path.string());
    const targets::PreparedList list = targets::PrepareList(lines);
    benchmark::DoNotOptimize(list.WorkedCount);
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(g_list_path)));
}
BENCHMARK(BM_LoadList)->Unit(benchmark::kMillisecond);

void BM_SaveList(benchmark::State& state) {
  const std::vector<std::string> lines = MakeLines();
  const std::string path = g_list_path.string() + ".save";
  for (auto _ : state) targets::WriteListFile(path, lines);
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveList)->Unit(benchmark::kMillisecond);

// Every record split into its fields, as the tally and the filters do.
void BM_SplitAllRecords(benchmark::State& state) {
  const std::vector<std::string> lines = MakeLines();
  std::vector<std::string> fields;
  for (auto _ : state) {
    size_t total = 0;
    for (const std::string& line : lines) {
      targets::SplitCommaText(line, fields);
      total += fields.size();
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_SplitAllRecords)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  g_list_path = std::filesystem::temp_directory_path() /
                ("sorvano-list-bench-" + std::to_string(std::random_device{}()) + ".scsv");
  targets::WriteListFile(g_list_path.string(), MakeLines());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(g_list_path);
  return 0;
}
