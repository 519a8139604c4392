#include "win32/copy_data_channel.h"

#include <string>

#include "ui/application.h"
#include "win32/win32_backend.h"

namespace win32 {

std::uintptr_t Win32CopyDataChannel::FindTopWindow(std::string_view class_name) {
  const std::string name(class_name);
  return reinterpret_cast<std::uintptr_t>(FindWindowExA(GetDesktopWindow(), nullptr, name.c_str(), nullptr));
}

std::intptr_t Win32CopyDataChannel::Send(std::uintptr_t to, std::uintptr_t from, std::uint32_t code,
                                         const void* data, std::size_t size) {
  HWND target = reinterpret_cast<HWND>(to);
  if (target == nullptr || !IsWindow(target)) return 0;
  COPYDATASTRUCT block{};
  block.dwData = code;
  block.cbData = data != nullptr ? static_cast<DWORD>(size) : 0;
  block.lpData = const_cast<void*>(data);
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(target, WM_COPYDATA, static_cast<WPARAM>(from),
                           reinterpret_cast<LPARAM>(&block), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                           kAnswerTimeoutMs, &answer)) {
    return 0;
  }
  return static_cast<std::intptr_t>(answer);
}

void Win32CopyDataChannel::BringToFront(std::uintptr_t window) {
  SetForegroundWindow(reinterpret_cast<HWND>(window));
}

std::uintptr_t Win32CopyDataChannel::HandleOf(ui::WidgetId form) {
  return static_cast<std::uintptr_t>(ui::Application().backend().NativeHandle(form));
}

ui::CopyData CopyDataOf(LPARAM lparam) {
  ui::CopyData block;
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
  if (data == nullptr) return block;
  block.code = data->dwData;
  block.data = data->lpData;
  block.size = data->lpData != nullptr ? data->cbData : 0;
  return block;
}

}  // namespace win32
