// The send record: the selected target's code, QTH and remarks text as the 15 lines the
// logging program's entry window takes, and the request code that says where the remarks
// text goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace logger_link {

enum class Placement { kOverwrite = 0, kRight = 1, kLeft = 2 };

struct SendOptions {
  bool code_and_qth = true;   // also fill the code and the QTH
  bool to_remarks1 = false;   // the remarks text into Remarks 1, else Remarks 2
  Placement placement = Placement::kRight;
  bool use_korvax_mst = false;
};

// The record for the line above the grid (`edit2_text`, "number,name,code,QTH"): lines
// ended by CR LF, without the NUL the message adds. Nothing (nullopt) when the text holds
// fewer than two commas.
std::optional<std::string> BuildSendRecord(std::string_view edit2_text, const SendOptions& options);

// dwData of the send request.
std::uint32_t SendRequestCode(const SendOptions& options);

// The QSO number enclosed in the first worked or confirmed entry of `combo_text` (as cut
// out, for the show request); nullopt when there is none or it is below 1.
std::optional<std::string> QsoNumberText(std::string_view combo_text, std::string_view wkd_chars,
                                         std::string_view cfm_chars);

}  // namespace logger_link
