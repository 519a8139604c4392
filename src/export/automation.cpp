#include "export/automation.h"

#include <string>

namespace spreadsheet {

std::string DescribeArg(const AutomationArg& arg) {
  if (const auto* text = std::get_if<std::string>(&arg)) return "\"" + *text + "\"";
  if (const auto* number = std::get_if<int32_t>(&arg)) return std::to_string(*number);
  return std::get<bool>(arg) ? "true" : "false";
}

std::string UnknownMemberMessage(std::string_view member) {
  // '%s' ﾒｿｯﾄﾞはｵｰﾄﾒｰｼｮﾝ ｵﾌﾞｼﾞｪｸﾄでｻﾎﾟｰﾄされていません
  return "'" + std::string(member) +
         "' \xd2\xbf\xaf\xc4\xde\x82\xcd\xb5\xb0\xc4\xd2\xb0\xbc\xae\xdd "
         "\xb5\xcc\xde\xbc\xde\xaa\xb8\xc4\x82\xc5\xbb\xce\xdf\xb0\xc4\x82\xb3"
         "\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1";
}

}  // namespace spreadsheet
