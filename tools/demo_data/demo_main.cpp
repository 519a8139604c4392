// demo_data FOLDER: writes 道の駅.scsv (the demo list, Shift-JIS, CR LF), demo.mst (the
// demo QSO database) and demo_qsos.txt (the same QSOs in the text form) into FOLDER.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "demo_qsos.h"
#include "demo_random.h"
#include "demo_targets.h"
#include "mst_writer.h"
#include "qso_text_form.h"
#include "text_convert.h"

namespace {

constexpr uint64_t kSeed = 20210128;

// Every demo text is representable in Shift-JIS; a '?' that was not in the UTF-8 text
// means a character slipped in that is not.
std::string Sjis(const std::string& utf8) {
  std::string sjis = korvax::Utf8ToSjis(utf8);
  if (std::count(sjis.begin(), sjis.end(), '?') != std::count(utf8.begin(), utf8.end(), '?')) {
    std::fprintf(stderr, "demo_data: not representable in Shift-JIS: %s\n", utf8.c_str());
    std::exit(2);
  }
  return sjis;
}

korvax::MstRecord ToSjis(korvax::MstRecord qso) {
  for (std::string* text : {&qso.call, &qso.date, &qso.time, &qso.qth, &qso.frequency, &qso.mode,
                            &qso.remarks1, &qso.remarks2}) {
    *text = Sjis(*text);
  }
  return qso;
}

// Writes beside the target and renames, so a failed run leaves the old file.
bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary);
    out << bytes;
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temp, path, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demo_data FOLDER\n");
    return 1;
  }
  std::filesystem::path folder = argv[1];
  DemoRandom random(kSeed);
  DemoList list = MakeDemoList(random);
  std::vector<korvax::MstRecord> qsos = MakeDemoQsos(random, list);
  MarkSomeTargetsWorked(qsos, &list);

  std::string list_text;
  for (const std::string& line : DemoListLines(list)) list_text += Sjis(line) + "\r\n";

  std::string qso_text =
      "# Demo QSO log, made by tools/demo_data; record n is the n-th QSO line.\r\n"
      "# call\tdate\ttime\tqth\tqsl\tfreq\tmode\tportable\tremarks1\tremarks2\r\n";
  korvax::MstWriter writer((folder / "demo.mst").string());
  for (const korvax::MstRecord& qso : qsos) {
    korvax::MstRecord stored = ToSjis(qso);
    if (!writer.Append(stored)) {
      std::fprintf(stderr, "demo_data: a QSO text does not fit its field\n");
      return 2;
    }
    qso_text += korvax::FormatQsoTextLine(stored) + "\r\n";
  }
  if (!writer.Finish() || !WriteFile(folder / "道の駅.scsv", list_text) ||
      !WriteFile(folder / "demo_qsos.txt", qso_text)) {
    std::fprintf(stderr, "demo_data: cannot write into %s\n", folder.string().c_str());
    return 3;
  }
  std::printf("demo_data: %zu targets, %zu QSOs written to %s\n", list.targets.size(), qsos.size(),
              folder.string().c_str());
  return 0;
}
