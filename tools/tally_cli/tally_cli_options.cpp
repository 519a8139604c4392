#include "tally_cli_options.h"

#include <array>
#include <charconv>

#include "app/settings_store.h"
#include "tally/tally_rules.h"
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
    "  --help                this text\n"
    "\n"
    "Exit codes: 0 done, 1 usage, 2 list unreadable, 3 database unreadable,\n"
    "4 list not written, 5 settings file unreadable.\n";

namespace {

constexpr std::array<const char*, 15> kBandNames = {"1.9", "3.5", "7",   "10",   "14",   "18",   "21",  "24",
                                                    "28",  "50",  "144", "430", "1200", "2400", "5600"};
constexpr int kDefaultRmks = 337;
const char kDefaultAwardName[] = "\x89^\x97p\x8b\xc7";  // 運用局

std::optional<int32_t> Number(const std::string& text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<uint32_t> Bands(const std::string& text) {
  if (text == "all") return tally::kAllBands;
  uint32_t mask = 0;
  for (const std::string& name : targets::SplitCommaText(text)) {
    bool known = false;
    for (size_t band = 0; band < kBandNames.size(); ++band) {
      if (name == kBandNames[band]) {
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

bool Bit(int value, int bit) { return (value >> bit & 1) != 0; }

// A bracket pair as the dialog shows it: a blank first character gives the default.
std::string Brackets(std::string text, const char* default_pair) {
  return tally::ParseBrackets(text).IsUsable() ? text : default_pair;
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
    } else if (arg == "--settings") {
      command.settings_file = value();
    } else if (arg == "--mode") {
      command.mode = value();
    } else if (arg == "--wkd") {
      command.wkd = value();
    } else if (arg == "--cfm") {
      command.cfm = value();
    } else if (arg == "--from-date") {
      command.from_date = value();
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
                                const std::vector<std::string>& lines) {
  tally::TallyOptions options;
  // "Rmks": the radio buttons are restored in bit order, so a later one wins.
  const int rmks = settings.ReadInteger("Set", "Rmks", kDefaultRmks);
  if (Bit(rmks, 3)) options.remarks = tally::RemarksChoice::kRemarks2First;
  if (Bit(rmks, 7)) options.remarks = tally::RemarksChoice::kRemarks1Only;
  if (Bit(rmks, 8)) options.remarks = tally::RemarksChoice::kRemarks2Only;
  if (Bit(rmks, 9)) options.remarks = tally::RemarksChoice::kRemarks1First;
  if (Bit(rmks, 12)) options.portable = tally::PortableChoice::kPortableOnly;
  if (Bit(rmks, 13)) options.portable = tally::PortableChoice::kFixedOnly;

  // "Band": bits 0..15 the band boxes, 16 Check17 (table), 17 Check18 (no duplicates).
  int band = settings.ReadInteger("Set", "Band", 0);
  if (band == 0) band = static_cast<int>(tally::kAllBands);
  options.band_mask = static_cast<uint32_t>(band) & 0xffffu;
  options.ExcelTable = Bit(band, 16);
  options.NoDuplicates = Bit(band, 17);
  options.start_record = std::max(1, settings.ReadInteger("Set", "Rec", 1));
  options.ModeFilter = settings.ReadString("Set", "Mode", "");
  options.WkdChars = Brackets(settings.ReadString("Set", "WkdChr", "<>"), "<>");
  options.CfmChars = Brackets(settings.ReadString("Set", "CfmChr", "()"), "()");
  options.GiveUpMarks = settings.ReadString("Set", "Akiram", "");
  for (int slot = 0; slot < tally::kKeywordSlots - 1; ++slot) {
    const std::string text = settings.ReadString("Set", "Awd" + std::to_string(slot), "");
    options.AwdKeywords[static_cast<size_t>(slot)] = std::string(tally::TrimBlanks(text).substr(0, tally::kKeywordBytes));
  }
  options.AwdKeywords[tally::kKeywordSlots - 1] = tally::kFixedLastSlot;
  options.database_path = settings.ReadString("Main", "QSO", "Korvax.mst");

  // The list's header: award name, start date, option bits.
  std::vector<std::string> header = targets::SplitCommaText(lines.empty() ? "" : lines[0]);
  header.resize(std::max<size_t>(header.size(), 8));
  options.AwardName = header[5].empty() ? std::string(kDefaultAwardName) : header[5];
  options.start_date = header[6].size() == 8 ? header[6] : settings.ReadString("Set", "Date", "00/00/00");
  options.AwardOptions = tally::KorvaxLibrary().StrToLong(header[7].c_str());
  const auto row = static_cast<size_t>(command.keyword_row);
  if (row < lines.size()) options.AwardKeyword = lines[row].substr(0, tally::kKeywordBytes);

  if (command.mode) options.ModeFilter = *command.mode;
  if (command.bands) options.band_mask = *command.bands;
  if (command.from_record) options.start_record = *command.from_record;
  if (command.from_date) options.start_date = *command.from_date;
  if (command.wkd) options.WkdChars = *command.wkd;
  if (command.cfm) options.CfmChars = *command.cfm;
  if (command.give_up) options.GiveUpMarks = *command.give_up;
  if (command.remarks) options.remarks = *command.remarks;
  if (command.portable) options.portable = *command.portable;
  if (command.no_duplicates) options.NoDuplicates = true;
  if (command.excel) options.ExcelTable = true;
  if (!command.database.empty()) options.database_path = command.database;
  return options;
}

}  // namespace tally_cli
