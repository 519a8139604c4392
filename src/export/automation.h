// Late-bound automation as the export sees it: objects whose members are reached by
// name, with string, integer and boolean arguments. The Windows layer implements it over
// IDispatch; tests use a recording object model. A failed call throws AutomationError
// with the text the operator is shown; an object releases what it holds when destroyed.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace spreadsheet {

// Texts are Shift-JIS.
using AutomationArg = std::variant<std::string, int32_t, bool>;
using AutomationArgs = std::vector<AutomationArg>;

// The message is Shift-JIS, ready for the error box.
class AutomationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class AutomationObject {
 public:
  virtual ~AutomationObject() = default;
  // A property or method that gives an object (WorkBooks, Add, Item, Range, Borders ...).
  virtual std::unique_ptr<AutomationObject> GetChild(std::string_view member,
                                                      const AutomationArgs& args = {}) = 0;
  // A property read as text (Caption).
  virtual std::string GetText(std::string_view member) = 0;
  // A method whose result is not needed (AutoFit).
  virtual void Call(std::string_view member, const AutomationArgs& args = {}) = 0;
  // A property assignment.
  virtual void Put(std::string_view member, const AutomationArg& value) = 0;
};

// One line of a call log, the same for the recording object model and the stand-in
// automation server: "Kind.Member(arg,...)" for a get or call, "Kind.Member=value" for
// an assignment; texts in double quotes, integers in decimal, booleans true/false.
std::string DescribeArg(const AutomationArg& arg);

// The error text for a member name that the server does not know.
std::string UnknownMemberMessage(std::string_view member);

}  // namespace spreadsheet
