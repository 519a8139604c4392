#include "tally_cli_options.h"

#include <charconv>

#include "base/sjis_text.h"
#include "settings/settings_store.h"
#include "tally/tally_rules.h"
#include "tally/tally_settings.h"
#include "targets/comma_text.h"

namespace tally_cli {

const char kUsage[] =
    "usage: sorvano-tally [options] LIST.scsv [DATABASE.mst | LOG.adi]\n"
    "\n"
    "Tallies the QSO database into the list's worked field and prints the report.\n"
    "The list file is changed only with --write.\n"
    "\n"
    "  --settings FILE.ini   tally settings (section Set) and the database (Main/QSO)\n"
    "  --mode TEXT           modes to count, e.g. \"CW SSB\" (default: all)\n"
    "  --bands LIST          1.9,3.5,7,10,14,18,21,24,28,50,144,430,1200,2400,5600 or all\n"
    "  --from-record N       the oldest record number to count\n"
    "  --from-date YY/MM/DD  the oldest date to count\n"
    "  --wkd XY --cfm XY     brackets of worked and confirmed entries\n"
    "  --give-up MARKS       QSL marks that count as not received\n"
    "  --remarks 1|2|12|21   Remarks1 only, Remarks2 only, 1 then 2, 2 then 1\n"
    "  --portable both|portable|fixed\n"
    "  --no-duplicates       count each station for one target only\n"
    "  --excel               print the QSO table with a time column\n"
    "  --keyword-row N       the list line whose first bytes name the award (default 1)\n"
    "  --utf8                the ADIF file is UTF-8 (default: Shift-JIS)\n"
    "  --write               write the updated list back to LIST.scsv\n"
    "  --xlsx FILE.xlsx      write the tallied list as the program's export workbook\n"
    "                        (every target, with its first QSO's columns)\n"
    "  --help                this text\n"
    "\n"
    "Exit codes: 0 done, 1 usage, 2 list unreadable, 3 database unreadable,\n"
    "4 list not written, 5 settings file unreadable, 6 workbook not written,\n"
    "7 list read only in part (not written).\n";

namespace {

std::optional<int32_t> Number(const std::string& text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<uint32_t> Bands(const std::string& text) {
  uint32_t mask = 0;
  for (const std::string& name : targets::SplitCommaText(text)) {
    bool known = false;
    for (size_t band = 0; band < tally::kBandBoxes.size(); ++band) {
      if (name == tally::kBandBoxes[band].name) {
        mask |= 1u << band;
        known = true;
      }
    }
    if (!known) return std::nullopt;
  }
  return mask == 0 ? std::nullopt : std::optional<uint32_t>(mask);
}

std::optional<tally::RemarksChoice> Remarks(const std::string& text) {
  if (text == "1") return tally::RemarksChoice::kRemarks1Only;
  if (text == "2") return tally::RemarksChoice::kRemarks2Only;
  if (text == "12") return tally::RemarksChoice::kRemarks1First;
  if (text == "21") return tally::RemarksChoice::kRemarks2First;
  return std::nullopt;
}

std::optional<tally::PortableChoice> Portable(const std::string& text) {
  if (text == "both") return tally::PortableChoice::kBoth;
  if (text == "portable") return tally::PortableChoice::kPortableOnly;
  if (text == "fixed") return tally::PortableChoice::kFixedOnly;
  return std::nullopt;
}

// Brackets and dates are held to the rules that the dialog and the settings file follow.
std::optional<std::string> Brackets(const std::string& text) {
  const std::string pair = tally::BracketText(text);
  return tally::ParseBrackets(pair).IsUsable() ? std::optional<std::string>(pair) : std::nullopt;
}

std::optional<std::string> StartDate(const std::string& text) {
  return tally::IsStartDate(text) ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
  CommandLine command;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    auto value = [&]() -> const std::string& { return args[++i]; };
    bool ok = true;
    if (arg == "--help" || arg == "-h") {
      command.help = true;
    } else if (arg == "--write") {
      command.write = true;
    } else if (arg == "--no-duplicates") {
      command.no_duplicates = true;
    } else if (arg == "--excel") {
      command.excel = true;
    } else if (arg == "--utf8") {
      command.utf8_adif = true;
    } else if (!arg.starts_with("--")) {
      files.push_back(arg);
    } else if (!has_value) {
      ok = false;
    } else if (arg == "--xlsx") {
      command.xlsx_file = value();
    } else if (arg == "--settings") {
      command.settings_file = value();
    } else if (arg == "--mode") {
      command.mode = value();
    } else if (arg == "--wkd") {
      ok = (command.wkd = Brackets(value())).has_value();
    } else if (arg == "--cfm") {
      ok = (command.cfm = Brackets(value())).has_value();
    } else if (arg == "--from-date") {
      ok = (command.from_date = StartDate(value())).has_value();
    } else if (arg == "--give-up") {
      command.give_up = value();
    } else if (arg == "--bands") {
      ok = (command.bands = Bands(value())).has_value();
    } else if (arg == "--from-record") {
      ok = (command.from_record = Number(value())).has_value();
    } else if (arg == "--remarks") {
      ok = (command.remarks = Remarks(value())).has_value();
    } else if (arg == "--portable") {
      ok = (command.portable = Portable(value())).has_value();
    } else if (arg == "--keyword-row") {
      const std::optional<int32_t> row = Number(value());
      ok = row && *row >= 1;
      if (ok) command.keyword_row = *row;
    } else {
      ok = false;
    }
    if (!ok) {
      error = "bad option: " + arg;
      return std::nullopt;
    }
  }
  if (command.help) return command;
  if (files.empty() || files.size() > 2) {
    error = "give the list file and, unless the settings name it, the QSO database";
    return std::nullopt;
  }
  command.list_file = files[0];
  if (files.size() == 2) command.database = files[1];
  return command;
}

tally::TallyOptions MakeOptions(const CommandLine& command, const TKrxIni& settings,
                                const targets::PreparedList& list,
                                const std::vector<std::string>& lines) {
  tally::TallySettings tally_settings = tally::LoadTallySettings(settings);
  if (command.mode) tally_settings.ModeFilter = tally::ModeFilterOf(*command.mode);
  if (command.bands) tally_settings.SetBandBoxes(*command.bands);
  if (command.from_record) tally_settings.start_record = *command.from_record;
  if (command.wkd) tally_settings.WkdChars = *command.wkd;
  if (command.cfm) tally_settings.CfmChars = *command.cfm;
  if (command.give_up) tally_settings.GiveUpMarks = std::string(sjis::TrimBlanks(*command.give_up));
  if (command.remarks) tally_settings.SetRemarks(*command.remarks);
  if (command.portable) tally_settings.SetPortable(*command.portable);
  if (command.no_duplicates) tally_settings.no_duplicates = true;
  if (command.excel) tally_settings.excel_table = true;

  tally::AwardState award;
  award.AwardName = list.AwardName;
  award.AwardOptions = list.AwardOptions;
  award.ListStartDate = list.start_date;
  const auto row = static_cast<size_t>(command.keyword_row);
  if (row < lines.size()) award.AwardKeyword = targets::KeywordOfLine(lines[row]);

  tally::TallyOptions options = tally::MakeTallyOptions(tally_settings, award);
  // A date given here wins also over the list's own, as one typed into the dialog does.
  if (command.from_date) options.start_date = *command.from_date;
  options.database_path = command.database.empty() ? tally::QsoDatabasePath(settings) : command.database;
  return options;
}

}  // namespace tally_cli
