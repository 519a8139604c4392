// The main window's export commands (E2 and N13, told apart by their Tag): the rows the
// grid shows, with each target's QSO for N13, into the spreadsheet program, or into an
// .xlsx file beside the list when no spreadsheet program is installed.
#include <chrono>
#include <ctime>
#include <span>
#include <stdexcept>

#include "app/open_document.h"
#include "app/station.h"
#include "base/platform.h"
#include "export/export_rows.h"
#include "export/workbook_file.h"
#include "export/write_rows_to_sheet.h"
#include "tally/dialog/sorva_b.h"
#include "tally/qso_record.h"
#include "tally/qso_source.h"
#include "tally/tally_rules.h"
#include "tally/tally_settings.h"
#include "ui/application.h"

namespace {

constexpr uint32_t kOpenNotice = 0x0040001B;
constexpr uint32_t kCloseNotice = 0x0040001C;
constexpr int kProgressHeight = 16;
constexpr int kProgressAboveBottom = 50;

// エクセルがないのでブックに保存しました:
constexpr const char* kTextSavedWorkbook =
    "\x83\x47\x83\x4e\x83\x5a\x83\x8b\x82\xaa\x82\xc8\x82\xa2\x82\xcc\x82\xc5\x83\x75\x83\x62"
    "\x83\x4e\x82\xc9\x95\xdb\x91\xb6\x82\xb5\x82\xdc\x82\xb5\x82\xbd: ";

// What the command holds open, given back on every way out: the QSO database, the open
// notice's close notice, the progress bar and the cursor.
class ExportCleanUp {
 public:
  ExportCleanUp(TStation& station, tally::QsoSource& library, QsoRecord& record)
      : station_(station), library_(library), record_(record) {}
  ~ExportCleanUp() {
    if (record_.IsOpen()) library_.KorvaxClose(record_.data(), 1);
    if (notice_sent_) SendNotice(kCloseNotice);
    station_.Prog1.SetVisible(false);
    ui::Application().SetCursor(ui::Cursor::kDefault);
  }
  ExportCleanUp(const ExportCleanUp&) = delete;
  ExportCleanUp& operator=(const ExportCleanUp&) = delete;

  void SendOpenNotice() { notice_sent_ = SendNotice(kOpenNotice); }

 private:
  bool SendNotice(uint32_t data) {
    if (station_.KorvaxWnd == 0 || !station_.SorvaB || !station_.SorvaB->SendLoggerNotice) return false;
    station_.SorvaB->SendLoggerNotice(data);
    return true;
  }

  TStation& station_;
  tally::QsoSource& library_;
  QsoRecord& record_;
  bool notice_sent_ = false;
};

std::string TodayText() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char text[16];
  std::strftime(text, sizeof text, "%Y%m%d", &local);
  return text;
}

}  // namespace

void TStation::E2Click(ui::Widget* sender) {
  ui::Application().SetCursor(ui::Cursor::kHourGlass);
  const bool with_qso = sender != nullptr && sender->Tag > 0;
  tally::KorvaxLibrary library;
  QsoRecord record;
  ExportCleanUp clean_up(*this, library, record);

  const ui::Rect client = ClientRect();
  Prog1.SetBounds({0, client.height - kProgressAboveBottom, client.width, kProgressHeight});
  Prog1.SetVisible(true);

  spreadsheet::QsoLookup lookup;
  if (with_qso) {
    clean_up.SendOpenNotice();
    const std::string path = tally::QsoDatabasePath(*Settings);
    if (library.KorvaxOpen(0, record.data(), path.c_str(), 1) == 0) lookup = {&library, &record};
  }
  const std::string worked_open = tally::ParseBrackets(TallySettings.WkdChars).open;
  const spreadsheet::ExportRowsInput input{
      TargetLines, RowMap, dGrid1.RowCount(),
      std::span<const std::string>(ColumnTitles.data(), spreadsheet::kTitleCount), worked_open,
      ConfirmedOpen()};
  const std::vector<std::string> rows = spreadsheet::BuildExportRows(input, lookup);
  if (spreadsheet::WriteRowsToSheet(rows, &Prog1)) return;
  SaveWorkbookBesideList(rows);
}

void TStation::SaveWorkbookBesideList(const std::vector<std::string>& rows) {
  ui::Application().SetCursor(ui::Cursor::kHourGlass);
  const std::string file_name = spreadsheet::WorkbookFileName(
      ListFileName, TodayText(),
      [](const std::string& name) { return platform::FileExists(platform::PathFromCp932(name)); });
  const Status written = spreadsheet::WriteWorkbookFile(platform::PathFromCp932(file_name), rows);
  if (!written.ok()) throw std::runtime_error(written.message());
  StatBar1.SetPanelText(1, kTextSavedWorkbook + file_name);
  app::OpenDocument(file_name);
}
