// TKrxIni: an INI-style settings file kept in memory. Reads answer from memory, writes
// collect in memory, and the file is written once, when its owner saves it or at release,
// and only when a write changed its text (comments and blank lines, which are not kept,
// do not count). A UTF-8 byte-order mark before the first section is kept. The store owns its sections
// and lines. It reports failures as a Status and shows nothing itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "settings/string_lx.h"

class TKrxIni {
 public:
  // Loads `file_name` when it exists. When the file exists but cannot be read, or holds a
  // NUL byte (it is then not a text settings file, and rewriting it would destroy what
  // follows the NUL), LoadStatus() says so ("ﾌｧｲﾙ %s は開けません") and the store lives
  // in memory only: the file is never overwritten. An empty name gives a store that lives
  // in memory only and is never written.
  explicit TKrxIni(std::string file_name);
  // The same store on a file that it never writes: the writes stay in memory (tools that
  // read the program's settings).
  struct ReadOnly {};
  TKrxIni(std::string file_name, ReadOnly);
  // Release: SaveIfChanged, unless it ran already (a failure then goes unreported).
  ~TKrxIni();
  TKrxIni(const TKrxIni&) = delete;
  TKrxIni& operator=(const TKrxIni&) = delete;

  const Status& LoadStatus() const { return load_status_; }
  const std::string& FileName() const { return file_name_; }

  // The value without trailing blanks and control characters (at most 65535 bytes, cut
  // between characters), or `default_value` when the section or key is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;
  // A missing key gives `default_value`; a present value that is not a valid integer
  // gives 0.
  int ReadInteger(std::string_view section, std::string_view key, int default_value) const;

  // Replaces the first line of the key in place, or appends one (and the section) when
  // missing. Line breaks and NUL in the texts become blanks, so a value can never break
  // the file into other lines. A key holding "=", or beginning with "[" or ";", could
  // never be read back and is not written.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // WriteString for a non-empty value, DeleteKey for an empty one.
  void WriteOrDelete(std::string_view section, std::string_view key, std::string_view value);
  // Removes the first section of that name with all its lines.
  void EraseSection(std::string_view section);
  // Removes the first line of the key in the first section of that name.
  void DeleteKey(std::string_view section, std::string_view key);

  // The file text as it would be written now.
  std::string Text() const;
  // Writes the file when Text() differs from what was read. Runs once: later calls and
  // the destructor do nothing and succeed. On failure the old file stays as it was.
  Status SaveIfChanged();

 private:
  struct Section {
    std::string name;
    std::vector<std::string> lines;  // raw lines, kept exactly as read or written
  };

  void Parse(const std::vector<std::string>& lines);
  TStringLX BuildFile() const;
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;

  std::string file_name_;
  bool writable_ = false;
  Status load_status_ = Status::Ok();
  std::string Snapshot;  // Text() right after the file was read
  std::vector<Section> Sections;
  bool saved_ = false;
  // The file began with a UTF-8 byte-order mark; it is written back with it.
  bool byte_order_mark_ = false;
};
