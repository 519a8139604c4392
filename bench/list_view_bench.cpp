// Drawing the list: moving the focus down one row at a time through a 30000-target list
// and repainting the grid after every move, on the headless backend.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/station.h"
#include "headless/grid_driver.h"
#include "headless/headless_app.h"
#include "ui/application.h"
#include "ui/keys.h"

namespace {

std::string WriteBigList(const std::filesystem::path& folder) {
  const std::string path = (folder / "big.scsv").string();
  std::ofstream out(path, std::ios::binary);
  out << "\x94\xd4\x8d\x86,\x96\xbc\x91\x4f,Code,\x8f\x8a\x8d\xdd\x92\x6e,Worked,Award\r\n";
  for (int n = 1; n <= 30000; ++n) {
    out << "\x81\xa0" << n / 1000 << "-" << n % 1000 << ",\x93\xb9\x82\xcc\x89w" << n << ",01"
        << n % 100 << ",\x96\x6b\x8a\x43\x93\xb9" << n % 7;
    if (n % 3 == 0) out << ",JA1AAA<" << n << ">:JA2BBB(" << n + 1 << ")";
    out << "\r\n";
  }
  return path;
}

void BM_ScrollWholeListWithRepaints(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "sorvano_list_view_bench";
  std::filesystem::create_directories(folder);
  const std::string list = WriteBigList(folder);
  headless::ScopedHeadlessApp app;
  ui::Application().ExeName = (folder / "Sorvano.exe").string();
  ui::Application().Arguments = {list};
  auto& station = ui::Application().CreateForm<TStation>();
  station.Show();
  station.dGrid1.SetBounds({0, 0, 800, 600});
  headless::GridDriver grid(app.backend(), station.dGrid1);
  int64_t repaints = 0;
  for (auto _ : state) {
    station.dGrid1.SetRow(1);
    for (int row = 1; row < station.dGrid1.RowCount() - 1; ++row) {
      grid.PressKey(ui::kVkDown);
      benchmark::DoNotOptimize(grid.Paint());
      ++repaints;
    }
  }
  state.counters["repaints/s"] = benchmark::Counter(static_cast<double>(repaints), benchmark::Counter::kIsRate);
  ui::Application().DestroyForms();
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ScrollWholeListWithRepaints)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
