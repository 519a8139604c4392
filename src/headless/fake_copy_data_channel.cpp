#include "headless/fake_copy_data_channel.h"

#include "ui/application.h"

namespace headless {

std::uintptr_t FakeCopyDataChannel::FindTopWindow(std::string_view class_name) {
  const auto found = windows.find(std::string(class_name));
  return found == windows.end() ? 0 : found->second;
}

std::intptr_t FakeCopyDataChannel::Send(std::uintptr_t to, std::uintptr_t from, std::uint32_t code,
                                        const void* data, std::size_t size) {
  Sent block{to, from, code, std::nullopt, size};
  if (data != nullptr) block.data = std::string(static_cast<const char*>(data), size);
  sent.push_back(block);
  if (on_send) on_send(block);
  return answer;
}

std::uintptr_t FakeCopyDataChannel::HandleOf(ui::WidgetId form) {
  return ui::Application().backend().NativeHandle(form);
}

}  // namespace headless
