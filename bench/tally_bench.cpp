// The tally engine on a million QSOs whose Remarks carry codes, against lists of 1 200
// and 30 000 targets, and the literal reference tally on the same data for comparison.
// Goals: at least 1 000 000 QSOs/s for 1 200 targets, 300 000 QSOs/s for 30 000, and for
// 30 000 targets at least 20 times the reference. The data is made once per run in a
// temporary folder; the database is read one record at a time, never loaded whole.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../tests/unit/tally/reference_tally.h"
#include "mst_writer.h"
#include "tally/tally_engine.h"

namespace {

constexpr int kQsos = 1000000;
constexpr int kSmallList = 1200;
constexpr int kLargeList = 30000;
constexpr int kReferenceQsos = 2000;  // the reference reads only the newest ones
const std::string kStation = "\x81\xa0";  // □

// Code i of 30 000: prefectures 01..47, numbers from 0001, the first 1 200 spread over
// all prefectures.
std::string Code(int i) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d-%04d", i % 47 + 1, i / 47 + 1);
  return kStation + text;
}

class BenchData {
 public:
  BenchData() {
    folder_ = std::filesystem::temp_directory_path() /
              ("sorvano-tally-bench-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder_);
    database_ = (folder_ / "log.mst").string();
    std::mt19937 random(20210128);
    korvax::MstWriter writer(database_);
    for (int n = 0; n < kQsos; ++n) {
      // Half the QSOs are for targets of the small list.
      const int code = static_cast<int>(random() % 2 == 0 ? random() % kSmallList : random() % kLargeList);
      char call[16];
      std::snprintf(call, sizeof call, "J%c%d%c%c%c", "AHRE"[random() % 4], static_cast<int>(random() % 10),
                    'A' + static_cast<int>(random() % 26), 'A' + static_cast<int>(random() % 26),
                    'A' + static_cast<int>(random() % 26));
      writer.Append({.call = call, .date = "21/01/02", .time = "12:00", .qth = "0101",
                     .qsl_mark = random() % 3 == 0 ? 'J' : ' ', .frequency = "7.025", .mode = "CW",
                     .remarks1 = "QSL " + Code(code) + ",tnx"});
    }
    writer.Finish();
  }
  ~BenchData() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  const std::string& database() const { return database_; }

  static std::vector<std::string> List(int targets) {
    std::vector<std::string> lines = {"No,Name,Code,Place,Worked,Award,,0"};
    for (int i = 0; i < targets; ++i) lines.push_back(Code(i) + ",Station " + std::to_string(i) + ",0101,Place");
    return lines;
  }

 private:
  std::filesystem::path folder_;
  std::string database_;
};

const BenchData& Data() {
  static const auto data = std::make_unique<BenchData>();
  return *data;
}

tally::TallyOptions Options(int32_t start_record) {
  tally::TallyOptions options;
  options.AwardName = "Bench";
  options.AwardKeyword = Code(0).substr(0, 6);
  options.remarks = tally::RemarksChoice::kRemarks1Only;
  options.database_path = Data().database();
  options.start_record = start_record;
  return options;
}

double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double engine_rate_large = 0;

template <class Tally>
double RunTallies(benchmark::State& state, int targets, int32_t start_record, int qsos_read, Tally tally) {
  const std::vector<std::string> list = BenchData::List(targets);
  const tally::TallyOptions options = Options(start_record);
  tally::KorvaxLibrary library;
  tally::TallyCallbacks callbacks;
  int64_t worked = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> lines = list;
    state.ResumeTiming();
    const tally::TallyResult result = tally(lines, library, options, callbacks);
    worked = result.worked;
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetItemsProcessed(state.iterations() * qsos_read);
  state.counters["worked"] = static_cast<double>(worked);
  state.counters["peak_MiB"] = PeakMemoryMiB();
  return static_cast<double>(state.iterations()) * qsos_read;
}

void BM_EngineSmallList(benchmark::State& state) {
  Data();
  RunTallies(state, kSmallList, 1, kQsos, tally::RunTally);
}

void BM_EngineLargeList(benchmark::State& state) {
  Data();
  const auto start = std::chrono::steady_clock::now();
  const double qsos = RunTallies(state, kLargeList, 1, kQsos, tally::RunTally);
  engine_rate_large = qsos / std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ReferenceLargeList(benchmark::State& state) {
  Data();
  const auto start = std::chrono::steady_clock::now();
  const double qsos = RunTallies(state, kLargeList, kQsos - kReferenceQsos, kReferenceQsos, reference::RunTally);
  const double rate = qsos / std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // Both rates include the copying of the list before each tally.
  if (engine_rate_large > 0) state.counters["engine_speedup"] = engine_rate_large / rate;
}

BENCHMARK(BM_EngineSmallList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EngineLargeList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReferenceLargeList)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
