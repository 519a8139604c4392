#include "headless/recording_spreadsheet.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace headless {

namespace {

using spreadsheet::AutomationArg;
using spreadsheet::AutomationArgs;
using spreadsheet::AutomationError;
using spreadsheet::AutomationObject;

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

std::string ArgList(const AutomationArgs& args) {
  std::string text = "(";
  for (size_t i = 0; i < args.size(); ++i) {
    if (i > 0) text += ",";
    text += spreadsheet::DescribeArg(args[i]);
  }
  return text + ")";
}

// "B7" as (7, 2); (0, 0) for anything else.
std::pair<int, int> CellOf(const std::string& address) {
  size_t letters = 0;
  int column = 0;
  while (letters < address.size() && std::isupper(static_cast<unsigned char>(address[letters]))) {
    column = column * 26 + (address[letters++] - 'A' + 1);
  }
  const int row = std::atoi(address.c_str() + letters);
  return {row, column};
}

class Object : public AutomationObject {
 public:
  Object(std::shared_ptr<RecordingSpreadsheet> owner, std::string kind, std::pair<int, int> cell = {})
      : owner_(std::move(owner)), kind_(std::move(kind)), cell_(cell) {
    ++owner_->live_objects;
  }
  ~Object() override { --owner_->live_objects; }

  std::unique_ptr<AutomationObject> GetChild(std::string_view member, const AutomationArgs& args) override {
    owner_->Record(kind_, member, std::string(member) + ArgList(args));
    const struct {
      const char* from;
      const char* member;
      const char* gives;
    } kMembers[] = {{"Application", "WorkBooks", "Workbooks"}, {"Workbooks", "Add", "Workbook"},
                    {"Workbook", "WorkSheets", "Sheets"},      {"Sheets", "Item", "Sheet"},
                    {"Sheet", "Range", "Range"},               {"Sheet", "Cells", "Range"},
                    {"Range", "Rows", "Range"},                {"Range", "Columns", "Range"},
                    {"Range", "Borders", "Border"}};
    for (const auto& known : kMembers) {
      if (kind_ != known.from || !SameName(member, known.member)) continue;
      std::pair<int, int> cell;
      if (SameName(member, "Cells") && args.size() == 2) {
        cell = {std::get<int32_t>(args[0]), std::get<int32_t>(args[1])};
      } else if (SameName(member, "Range") && !args.empty()) {
        cell = CellOf(std::get<std::string>(args[0]));
      }
      return std::make_unique<Object>(owner_, known.gives, cell);
    }
    throw AutomationError("no object " + kind_ + "." + std::string(member));
  }
  std::string GetText(std::string_view member) override {
    owner_->Record(kind_, member, std::string(member) + "()");
    return owner_->caption;
  }
  void Call(std::string_view member, const AutomationArgs& args) override {
    owner_->Record(kind_, member, std::string(member) + ArgList(args));
  }
  void Put(std::string_view member, const AutomationArg& value) override {
    owner_->Record(kind_, member, std::string(member) + "=" + spreadsheet::DescribeArg(value));
    if (kind_ == "Range" && SameName(member, "Value")) {
      owner_->cells[cell_] = std::get<std::string>(value);
    } else if (kind_ == "Application" && SameName(member, "Visible")) {
      owner_->visible = std::get<bool>(value);
    }
  }

 private:
  std::shared_ptr<RecordingSpreadsheet> owner_;
  std::string kind_;
  std::pair<int, int> cell_;
};

}  // namespace

std::unique_ptr<AutomationObject> RecordingSpreadsheet::Application() {
  return std::make_unique<Object>(shared_from_this(), "Application");
}

void RecordingSpreadsheet::Record(const std::string& kind, std::string_view member, const std::string& what) {
  calls.push_back(kind + "." + what);
  if (static_cast<int>(calls.size()) == fail_at_call) {
    throw AutomationError("call " + std::to_string(fail_at_call) + " failed");
  }
  if (!rejected_member.empty() && SameName(member, rejected_member)) {
    throw AutomationError(spreadsheet::UnknownMemberMessage(member));
  }
}

std::vector<std::string> RecordingSpreadsheet::RowCells(int row) const {
  std::vector<std::string> result;
  for (const auto& [cell, text] : cells) {
    if (cell.first != row) continue;
    result.resize(std::max(result.size(), static_cast<size_t>(cell.second)));
    result[static_cast<size_t>(cell.second - 1)] = text;
  }
  return result;
}

}  // namespace headless
