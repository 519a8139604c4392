// The command line of sorvano-tally and how it and the settings file become the tally's
// options. The settings are those the tally dialog saves (section "Set").
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tally/tally_engine.h"
#include "targets/target_list.h"

class TKrxIni;

namespace tally_cli {

struct CommandLine {
  std::string list_file;
  std::string database;  // empty: settings "Main"/"QSO"
  std::string settings_file;
  std::optional<std::string> mode, wkd, cfm, from_date, give_up;
  std::optional<uint32_t> bands;
  std::optional<int32_t> from_record;
  std::optional<tally::RemarksChoice> remarks;
  std::optional<tally::PortableChoice> portable;
  bool no_duplicates = false;
  bool excel = false;
  bool utf8_adif = false;
  bool write = false;
  std::string xlsx_file;  // --xlsx: the export's workbook, with the QSO columns
  bool help = false;
  int keyword_row = 1;
};

// Parses `args`; on a mistake returns nothing and says why in `error`.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

// The tally's options: the settings file's tally settings with the command line's flags
// over them, and the award of the prepared list, as the dialog sets them up when Button1
// is clicked.
tally::TallyOptions MakeOptions(const CommandLine& command, const TKrxIni& settings,
                                const targets::PreparedList& list,
                                const std::vector<std::string>& lines);

extern const char kUsage[];

}  // namespace tally_cli
