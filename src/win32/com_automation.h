// Late-bound automation over IDispatch: a member name becomes a dispatch id, then Invoke,
// with texts as BSTRs, integers as VT_I4 and booleans as VT_BOOL. Every interface and
// VARIANT is released on every path; a failure throws spreadsheet::AutomationError with
// the server's own description or the system's text for the failure code.
#pragma once

#include "ui/not_in_core.h"

#include <memory>
#include <string_view>

#include "export/automation.h"

namespace win32 {

// The object of the server registered as `prog_id`, created in-process or as a local
// server; null when nothing is registered under that name.
std::unique_ptr<spreadsheet::AutomationObject> CreateAutomationObject(std::string_view prog_id);

}  // namespace win32
