#include "tally_cli.h"

#include <filesystem>
#include <optional>
#include <random>
#include <sstream>

#include "base/file_error.h"
#include "base/platform.h"
#include "base/text_file.h"
#include "export/export_rows.h"
#include "export/workbook_file.h"
#include "import_tool.h"
#include "krx_results.h"
#include "settings/settings_store.h"
#include "tally/qso_record.h"
#include "tally/tally_engine.h"
#include "tally/tally_rules.h"
#include "tally_cli_options.h"
#include "targets/list_file_io.h"
#include "targets/target_list.h"

namespace tally_cli {

namespace {

// A file in the system's temporary folder, removed when this goes out of scope.
class TempFile {
 public:
  // ok() is false when there is no usable temporary folder (TMPDIR names a missing
  // folder or a file).
  explicit TempFile(const std::string& extension) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error || !std::filesystem::is_directory(folder, error)) return;
    std::random_device random;
    path_ = folder / ("sorvano-tally-" + std::to_string(random()) + extension);
  }
  bool ok() const { return !path_.empty(); }
  ~TempFile() {
    std::error_code ignored;
    if (ok()) std::filesystem::remove(path_, ignored);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  std::string Cp932Name() const { return platform::Cp932FromPath(path_); }

 private:
  std::filesystem::path path_;
};

bool EndsWithIgnoreCase(const std::string& text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  for (size_t i = 0; i < suffix.size(); ++i) {
    char c = text[text.size() - suffix.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

// The report's "\r" and the table's CR LF as plain line ends.
std::string ConsoleLines(std::string_view text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      lines += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      lines += text[i];
    }
  }
  return lines;
}

class QuietCallbacks : public tally::TallyCallbacks {};

// The sheet of the program's second export command (every target, in file order, with
// its first QSO's columns when the database opens) as an .xlsx file.
Status WriteExportWorkbook(const std::string& file, const std::vector<std::string>& lines,
                           const targets::PreparedList& list, const tally::TallyOptions& options,
                           tally::QsoSource& library) {
  std::vector<int> row_map(lines.size());
  for (size_t n = 0; n < row_map.size(); ++n) row_map[n] = static_cast<int>(n);
  const std::string worked_open = tally::ParseBrackets(options.WkdChars).open;
  const std::string confirmed_open = tally::ParseBrackets(options.CfmChars).open;
  const spreadsheet::ExportRowsInput input{
      lines, row_map, static_cast<int>(lines.size()),
      std::span<const std::string>(list.ColumnTitles.data(), spreadsheet::kTitleCount), worked_open,
      confirmed_open};
  QsoRecord record;
  spreadsheet::QsoLookup lookup;
  if (library.KorvaxOpen(0, record.data(), options.database_path.c_str(), 1) == 0) lookup = {&library, &record};
  const std::vector<std::string> rows = spreadsheet::BuildExportRows(input, lookup);
  if (record.IsOpen()) library.KorvaxClose(record.data(), 1);
  return spreadsheet::WriteWorkbookFile(platform::PathFromCp932(file), rows);
}

// Why the library would not open the database, in the operator's words.
std::string DatabaseProblem(int32_t code) {
  switch (code) {
    case korvax::kKrxCannotOpen:
      return "cannot be opened (missing, not a file, or no access)";
    case korvax::kKrxNotMst:
      return "is not a QSO database (empty, or another kind of file)";
    case korvax::kKrxBadVersion:
      return "is a QSO database of a version this library does not read";
    case korvax::kKrxBadSize:
      return "is cut short: it holds fewer records than its header says";
    default:
      return "not a QSO database that can be opened (library code " + std::to_string(code) + ")";
  }
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const Platform& platform) {
  const auto say = [&](std::ostream& stream, std::string_view cp932) {
    stream << platform.ToConsole(cp932) << '\n';
  };
  std::string error;
  const std::optional<CommandLine> command = ParseCommandLine(args, error);
  if (!command) {
    say(err, "sorvano-tally: " + error);
    err << kUsage;
    return kExitUsage;
  }
  if (command->help) {
    out << kUsage;
    return kExitDone;
  }

  // The user's settings file is read, never rewritten.
  if (!command->settings_file.empty() && !FileExists(command->settings_file)) {
    say(err, "sorvano-tally: " + command->settings_file + ": no such settings file");
    return kExitSettings;
  }
  const TKrxIni settings(command->settings_file, TKrxIni::ReadOnly{});
  if (!settings.LoadStatus().ok()) {
    say(err, "sorvano-tally: " + settings.LoadStatus().message());
    return kExitSettings;
  }

  // The list is read and prepared by the code that opens it in the program.
  std::optional<targets::LoadedList> loaded;
  try {
    loaded = targets::LoadUsableList(command->list_file);
  } catch (const FileError& failure) {
    say(err, std::string("sorvano-tally: ") + failure.what());
    return kExitList;
  }
  if (!loaded) {
    say(err, "sorvano-tally: " + command->list_file + ": not a usable list (it needs a header and " +
                 std::to_string(targets::kMinListLines - 1) + " targets)");
    return kExitList;
  }
  std::vector<std::string>& lines = loaded->lines;
  const targets::PreparedList& list = loaded->prepared;
  if (loaded->nul_line != 0) {
    say(err, "sorvano-tally: " + command->list_file + ": a NUL byte ends the text at line " +
                 std::to_string(loaded->nul_line) + "; what follows is not read");
  }
  if (command->write && loaded->Partial()) {
    say(err, "sorvano-tally: " + command->list_file +
                 ": only part of the file was read; --write would cut it short, nothing done");
    return kExitPartialList;
  }
  if (list.lines_cut) {
    say(err, "sorvano-tally: " + command->list_file + ": only the first " +
                 std::to_string(targets::kMaxListLines - 1) + " targets are used");
  }
  if (static_cast<size_t>(command->keyword_row) >= lines.size()) {
    say(err, "sorvano-tally: " + command->list_file + ": no target line " +
                 std::to_string(command->keyword_row));
    return kExitList;
  }
  tally::TallyOptions options = MakeOptions(*command, settings, list, lines);

  // An ADIF log goes through the import tool into a temporary database first.
  TempFile converted(".mst");
  std::string database = options.database_path;
  if (EndsWithIgnoreCase(database, ".adi") || EndsWithIgnoreCase(database, ".adif")) {
    if (!converted.ok()) {
      say(err, "sorvano-tally: " + database +
                   ": no temporary folder to convert the ADIF file in (see TMPDIR)");
      return kExitDatabase;
    }
    std::vector<std::string> import_args = {"--adif"};
    if (command->utf8_adif) import_args.push_back("--utf8");
    import_args.push_back(platform.LibraryPath(database));
    import_args.push_back(platform.LibraryPath(converted.Cp932Name()));
    std::ostringstream import_out;
    std::ostringstream import_err;
    if (korvax::RunImportTool(import_args, import_out, import_err) != 0) {
      err << import_err.str();
      say(err, "sorvano-tally: " + database + ": the ADIF file could not be converted");
      return kExitDatabase;
    }
    err << import_err.str();  // warnings: QSOs skipped or cut
    database = converted.Cp932Name();
  }
  options.database_path = platform.LibraryPath(database);

  tally::KorvaxLibrary library;
  QuietCallbacks callbacks;
  const tally::TallyResult result = tally::RunTally(lines, library, options, callbacks);
  switch (result.end) {
    case tally::TallyEnd::kUnusableBrackets:
      say(err, "sorvano-tally: the worked and confirmed brackets must be single-byte, not digits, "
               "\":\" or A-Z, and must not begin with a blank");
      return kExitUsage;
    case tally::TallyEnd::kNoDatabase:
      say(err, "sorvano-tally: " + database + ": " + DatabaseProblem(result.open_error));
      return kExitDatabase;
    case tally::TallyEnd::kDone:
    case tally::TallyEnd::kAborted:
      break;
  }
  out << platform.ToConsole(ConsoleLines(result.report)) << '\n';
  if (result.clipboard) out << '\n' << platform.ToConsole(ConsoleLines(*result.clipboard));

  if (!command->xlsx_file.empty()) {
    const Status written = WriteExportWorkbook(command->xlsx_file, lines, list, options, library);
    if (!written.ok()) {
      say(err, "sorvano-tally: " + written.message());
      return kExitWorkbook;
    }
  }
  if (command->write) {
    if (!result.enable_save) {
      say(err, "sorvano-tally: nothing worked; " + command->list_file + " was left as it was");
      return kExitDone;
    }
    try {
      targets::WriteListFile(command->list_file, lines);
    } catch (const FileError& failure) {
      say(err, std::string("sorvano-tally: ") + failure.what());
      return kExitWrite;
    }
  }
  return kExitDone;
}

}  // namespace tally_cli
