// The export's row set with the QSO columns for 30 000 targets, each worked, against a
// 1 000 000-QSO database (one record read per target, from all over the database), and
// the .xlsx file of that row set. Goal: each well under 2 s.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "export/export_rows.h"
#include "export/workbook_file.h"
#include "korvax50.h"
#include "mst_writer.h"
#include "tally/qso_record.h"
#include "tally/qso_source.h"

namespace {

constexpr int kQsos = 1000000;
constexpr int kTargets = 30000;
const std::array<std::string, 6> kTitles = {"No", "No", "Name", "Code", "Place", "Worked"};

class BenchData {
 public:
  BenchData() {
    folder_ = std::filesystem::temp_directory_path() /
              ("sorvano-export-bench-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder_);
    database_ = (folder_ / "log.mst").string();
    korvax::MstWriter writer(database_);
    for (int n = 0; n < kQsos; ++n) {
      char call[16];
      std::snprintf(call, sizeof call, "JA%dX%04d", n % 10, n % 10000);
      writer.Append({.call = call, .date = n % 2 ? "21/01/02" : "98/07/06", .time = "12:34:56",
                     .frequency = "7.025", .mode = "CW"});
    }
    writer.Finish();
    std::mt19937 random(20210128);
    lines_ = {"No,Name,Code,Place,Worked,Award,,0"};
    for (int i = 0; i < kTargets; ++i) {
      const int first = static_cast<int>(random() % kQsos) + 1;
      const int second = static_cast<int>(random() % kQsos) + 1;
      lines_.push_back("\x81\xa0" + std::to_string(i) + ",Station " + std::to_string(i) + ",0101,Place,JA1AAA<" +
                       std::to_string(first) + ">:JH2BBB(" + std::to_string(second) + ")");
    }
    row_map_.resize(lines_.size());
    for (size_t n = 0; n < row_map_.size(); ++n) row_map_[n] = static_cast<int>(n);
  }
  ~BenchData() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::vector<std::string> Rows() const {
    tally::KorvaxLibrary library;
    QsoRecord record;
    if (library.KorvaxOpen(0, record.data(), database_.c_str(), 1) != 0) return {};
    const spreadsheet::ExportRowsInput input{lines_, row_map_, static_cast<int>(lines_.size()), kTitles, "<", "("};
    std::vector<std::string> rows = spreadsheet::BuildExportRows(input, {&library, &record});
    library.KorvaxClose(record.data(), 1);
    return rows;
  }
  std::filesystem::path Workbook() const { return folder_ / "export.xlsx"; }

 private:
  std::filesystem::path folder_;
  std::string database_;
  std::vector<std::string> lines_;
  std::vector<int> row_map_;
};

const BenchData& Data() {
  static const auto data = std::make_unique<BenchData>();
  return *data;
}

void BM_RowSetWithQsoColumns(benchmark::State& state) {
  const BenchData& data = Data();
  for (auto _ : state) {
    std::vector<std::string> rows = data.Rows();
    if (rows.size() != kTargets + 1) state.SkipWithError("rows missing");
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(BM_RowSetWithQsoColumns)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WorkbookFile(benchmark::State& state) {
  const BenchData& data = Data();
  const std::vector<std::string> rows = data.Rows();
  for (auto _ : state) {
    if (!spreadsheet::WriteWorkbookFile(data.Workbook(), rows).ok()) state.SkipWithError("not written");
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(data.Workbook()));
}
BENCHMARK(BM_WorkbookFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
