#include "win32/win32_backend.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <stdexcept>

#include "win32/copy_data_channel.h"
#include "win32/grid_window.h"
#include "win32/shortcut_keys.h"
#include "win32/shift_state.h"
#include "win32/wide_text.h"
#include "win32/wininet_http_down.h"

namespace win32 {
namespace {

// Shows a top-level window and paints it and all its controls at once, before any
// queued message runs. Wine shows what is not painted yet black, and a form clips its
// controls out of its own background: for the first picture the form paints its
// background under its controls too, so that a control not yet drawn shows as the
// window's face colour, never as a black hole.
void ShowPainted(HWND window, int command) {
  const bool clips = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CLIPCHILDREN) != 0;
  const auto set_clipping = [window](bool on) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR bit = WS_CLIPCHILDREN;
    SetWindowLongPtrW(window, GWL_STYLE, on ? style | bit : style & ~bit);
  };
  if (clips) set_clipping(false);
  ShowWindow(window, command);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (clips) set_clipping(true);
}

constexpr UINT kRebuildMenuMessage = WM_APP + 1;
constexpr wchar_t kTimerWindowClass[] = L"SorvanoTimerWindow";
constexpr int kComboListItems = 8;  // items a combo box's open list shows at least

Win32Backend* g_backend = nullptr;

constexpr wchar_t kFirstHalfWidthKana = 0xFF61;  // ｡ in UTF-16, 0xA1 in code page 932
constexpr wchar_t kLastHalfWidthKana = 0xFF9F;
constexpr int kHalfWidthKanaByte = 0xA1;

int KeyFromChar(wchar_t character) {
  if (character >= kFirstHalfWidthKana && character <= kLastHalfWidthKana) {
    return character - kFirstHalfWidthKana + kHalfWidthKanaByte;
  }
  return character;
}

WPARAM CharFromKey(int key) {
  if (key >= kHalfWidthKanaByte && key <= kHalfWidthKanaByte + (kLastHalfWidthKana - kFirstHalfWidthKana)) {
    return static_cast<WPARAM>(key - kHalfWidthKanaByte + kFirstHalfWidthKana);
  }
  return static_cast<WPARAM>(key);
}

ui::Rect RectOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// What the frame, caption and menu bar (as wrapped now) add to the client area.
SIZE FrameSize(HWND hwnd) {
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd, &window);
  ::GetClientRect(hwnd, &client);
  if (!IsIconic(hwnd) && client.right > 0 && client.bottom > 0) {
    return {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
  }
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                     GetMenu(hwnd) != nullptr, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
  g_backend = this;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW timer_class{};
  timer_class.cbSize = sizeof(timer_class);
  timer_class.lpfnWndProc = TimerProc;
  timer_class.hInstance = instance_;
  timer_class.lpszClassName = kTimerWindowClass;
  RegisterClassExW(&timer_class);
  timer_window_ = CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, instance_, nullptr);
}

Win32Backend::~Win32Backend() {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  if (timer_window_) DestroyWindow(timer_window_);
  g_backend = nullptr;
}

Win32Backend::Entry& Win32Backend::At(ui::WidgetId id) {
  auto found = entries_.find(id);
  if (found == entries_.end()) throw std::logic_error("unknown widget");
  return found->second;
}

void Win32Backend::Fire(ui::WidgetId id, ui::EventKind kind) {
  auto found = entries_.find(id);
  if (found == entries_.end()) return;
  ui::Event event{kind};
  found->second.owner->Dispatch(event);
}

void Win32Backend::RegisterFormClass(const std::wstring& class_name) {
  if (std::find(registered_classes_.begin(), registered_classes_.end(), class_name) !=
      registered_classes_.end()) {
    return;
  }
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = FormProc;
  window_class.hInstance = instance_;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = class_name.c_str();
  RegisterClassExW(&window_class);
  registered_classes_.push_back(class_name);
}

HWND Win32Backend::CreateControlWindow(ui::WidgetKind kind, HWND parent, ui::WidgetId id,
                                       ui::Widget& owner) {
  if (kind == ui::WidgetKind::kDrawGrid) return CreateGridWindow(instance_, parent, owner, id);
  const wchar_t* window_class = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD ex_style = 0;
  switch (kind) {
    case ui::WidgetKind::kButton:
      window_class = L"BUTTON";
      style |= BS_PUSHBUTTON | WS_TABSTOP;
      break;
    case ui::WidgetKind::kCheckBox:
      window_class = L"BUTTON";
      style |= BS_AUTOCHECKBOX | WS_TABSTOP;
      break;
    case ui::WidgetKind::kThreeStateCheckBox:
      window_class = L"BUTTON";
      style |= BS_AUTO3STATE | WS_TABSTOP;
      break;
    case ui::WidgetKind::kRadioButton:
      window_class = L"BUTTON";
      style |= BS_AUTORADIOBUTTON | WS_TABSTOP;
      break;
    case ui::WidgetKind::kGroupBox:
      window_class = L"BUTTON";
      style |= BS_GROUPBOX;
      break;
    case ui::WidgetKind::kEdit:
    case ui::WidgetKind::kSpinEdit:
      window_class = L"EDIT";
      style |= ES_AUTOHSCROLL | WS_TABSTOP;
      ex_style = WS_EX_CLIENTEDGE;
      break;
    case ui::WidgetKind::kComboBox:
      window_class = L"COMBOBOX";
      // Lists to choose from, never typed into; the arrow opens them.
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
      break;
    case ui::WidgetKind::kProgressBar:
      window_class = PROGRESS_CLASSW;
      break;
    case ui::WidgetKind::kStatusBar:
      window_class = STATUSCLASSNAMEW;
      break;
    case ui::WidgetKind::kPanel:
      style |= SS_NOTIFY;
      ex_style = WS_EX_CONTROLPARENT;
      break;
    case ui::WidgetKind::kLabel:
      style |= SS_NOTIFY;
      break;
    case ui::WidgetKind::kImage:
      style |= SS_ICON | SS_CENTERIMAGE;
      break;
    default:
      break;
  }
  HWND hwnd = CreateWindowExW(ex_style, window_class, L"", style, 0, 0, 10, 10, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance_,
                              nullptr);
  if (hwnd && kind == ui::WidgetKind::kImage) {
    SendMessageW(hwnd, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(instance_, MAKEINTRESOURCEW(1))), 0);
  }
  if (hwnd) SetWindowSubclass(hwnd, ChildProc, id, 0);
  return hwnd;
}

// The up and down arrows of a spin edit, at the right edge inside the edit box.
HWND Win32Backend::CreateSpinArrows(HWND edit) {
  HWND arrows = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT |
                                    UDS_NOTHOUSANDS | UDS_ARROWKEYS,
                                0, 0, 0, 0, GetParent(edit), nullptr, instance_, nullptr);
  if (arrows == nullptr) return nullptr;
  SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(arrows, UDM_SETRANGE32, 1, 0x7FFFFFFF);
  return arrows;
}

// Every standard control: its keys, focus and double clicks go to its component, and the
// notifications that containers (panels, group boxes) receive go on to the form.
LRESULT CALLBACK Win32Backend::ChildProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR id_value, DWORD_PTR) {
  const auto id = static_cast<ui::WidgetId>(id_value);
  if (g_backend == nullptr || !g_backend->entries_.count(id)) {
    return DefSubclassProc(hwnd, message, wparam, lparam);
  }
  ui::Widget* owner = g_backend->entries_[id].owner;
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (HWND root = GetAncestor(hwnd, GA_ROOT); root && root != hwnd) {
        return SendMessageW(root, message, wparam, lparam);
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      ui::Event event{ui::EventKind::kKeyDown};
      event.key = static_cast<int>(wparam);
      event.shift = ShiftState();
      owner->Dispatch(event);
      if (event.key == 0) return 0;
      wparam = static_cast<WPARAM>(event.key);
      break;
    }
    case WM_CHAR: {
      // Handlers see the character as its code page 932 byte where it has one byte
      // (ASCII and half-width kana); other characters arrive as they are.
      ui::Event event{ui::EventKind::kKeyPress};
      event.key = KeyFromChar(static_cast<wchar_t>(wparam));
      owner->Dispatch(event);
      if (event.key == 0) return 0;
      wparam = CharFromKey(event.key);
      break;
    }
    case WM_ERASEBKGND:
      // A group box leaves its inside unpainted; it is the parent of its controls here.
      if (g_backend->entries_[id].kind == ui::WidgetKind::kGroupBox) {
        RECT rect;
        ::GetClientRect(hwnd, &rect);
        FillRect(reinterpret_cast<HDC>(wparam), &rect, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
      }
      break;
    case WM_KEYUP: {
      ui::Event event{ui::EventKind::kKeyUp};
      event.key = static_cast<int>(wparam);
      event.shift = ShiftState();
      owner->Dispatch(event);
      break;
    }
    case WM_LBUTTONDBLCLK: {
      ui::Event event{ui::EventKind::kDoubleClick};
      owner->Dispatch(event);
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      ui::Event event{message == WM_SETFOCUS ? ui::EventKind::kEnter : ui::EventKind::kExit};
      owner->Dispatch(event);
      break;
    }
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

ui::WidgetId Win32Backend::CreateWidget(ui::WidgetKind kind, ui::WidgetId parent,
                                        ui::Widget& owner, std::string_view class_name) {
  const ui::WidgetId id = next_id_++;
  Entry entry;
  entry.kind = kind;
  entry.parent = parent;
  entry.owner = &owner;
  switch (kind) {
    case ui::WidgetKind::kForm: {
      const std::wstring wide_class = Wide(class_name.empty() ? "TForm" : class_name);
      RegisterFormClass(wide_class);
      entry.visible = false;
      // Children clipped: the form's background never paints over a control that has
      // nothing new to paint (a status bar moved to the bottom of a maximised window).
      entry.hwnd = CreateWindowExW(0, wide_class.c_str(), L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                   CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr,
                                   instance_, nullptr);
      SetWindowLongPtrW(entry.hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(id));
      break;
    }
    case ui::WidgetKind::kMenuBar:
      entry.menu_bar = CreateMenu();
      break;
    case ui::WidgetKind::kMenuItem:
    case ui::WidgetKind::kTimer:
      break;
    default:
      entry.hwnd = CreateControlWindow(kind, parent ? At(parent).hwnd : nullptr, id, owner);
      if (kind == ui::WidgetKind::kSpinEdit && entry.hwnd) entry.buddy = CreateSpinArrows(entry.hwnd);
      break;
  }
  entries_.emplace(id, entry);
  if (parent) At(parent).children.push_back(id);
  if (kind == ui::WidgetKind::kMenuBar || kind == ui::WidgetKind::kMenuItem) MenuChanged(id);
  return id;
}

void Win32Backend::DestroyWidget(ui::WidgetId id) {
  auto found = entries_.find(id);
  if (found == entries_.end()) return;
  Entry entry = found->second;
  if (entry.kind == ui::WidgetKind::kTimer) KillTimer(timer_window_, id);
  if (entry.parent) {
    auto parent = entries_.find(entry.parent);
    if (parent != entries_.end()) std::erase(parent->second.children, id);
  }
  const bool menu_part = IsMenuPart(id);
  const ui::WidgetId form = menu_part ? FormOf(id) : 0;
  entries_.erase(found);
  if (entry.kind == ui::WidgetKind::kMenuBar) {
    if (entries_.count(entry.parent)) SetMenu(At(entry.parent).hwnd, nullptr);
    DestroyMenu(entry.menu_bar);
  } else if (menu_part && form && entries_.count(form)) {
    MenuChanged(form);
  }
  if (entry.buddy) DestroyWindow(entry.buddy);
  if (entry.hwnd) DestroyWindow(entry.hwnd);
}

ui::WidgetId Win32Backend::FormOf(ui::WidgetId id) {
  while (id && At(id).kind != ui::WidgetKind::kForm) id = At(id).parent;
  return id;
}

bool Win32Backend::IsMenuPart(ui::WidgetId id) {
  const ui::WidgetKind kind = At(id).kind;
  return kind == ui::WidgetKind::kMenuBar || kind == ui::WidgetKind::kMenuItem;
}

// Menus are rebuilt whole after a change, once, when the message loop gets to it: hidden
// items have to be taken out of a Windows menu, and this keeps creation cheap.
void Win32Backend::MenuChanged(ui::WidgetId id) {
  const ui::WidgetId form = FormOf(id);
  if (!form || !At(form).hwnd || At(form).menu_rebuild_posted) return;
  At(form).menu_rebuild_posted = true;
  PostMessageW(At(form).hwnd, kRebuildMenuMessage, 0, 0);
}

void Win32Backend::AppendMenuItems(HMENU menu, ui::WidgetId parent,
                                   std::vector<ACCEL>& accelerators) {
  for (ui::WidgetId child : At(parent).children) {
    const Entry& item = At(child);
    if (item.kind != ui::WidgetKind::kMenuItem || !item.visible) continue;
    if (item.text == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring caption = Wide(item.text);
    if (!item.shortcut.empty()) caption += L"\t" + Wide(item.shortcut);
    UINT flags = MF_STRING;
    if (!item.enabled) flags |= MF_GRAYED;
    if (item.check == ui::CheckState::kChecked) flags |= MF_CHECKED;
    const bool has_visible_child =
        std::any_of(item.children.begin(), item.children.end(),
                    [this](ui::WidgetId id) { return At(id).visible; });
    if (has_visible_child) {
      HMENU submenu = CreatePopupMenu();
      AppendMenuItems(submenu, child, accelerators);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
    } else {
      AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.command), caption.c_str());
    }
    if (item.enabled) {
      ACCEL accelerator{};
      if (ParseShortcut(item.shortcut, item.command, accelerator)) {
        accelerators.push_back(accelerator);
      }
    }
  }
}

void Win32Backend::RebuildMenu(ui::WidgetId form) {
  Entry& form_entry = At(form);
  form_entry.menu_rebuild_posted = false;
  for (ui::WidgetId child : form_entry.children) {
    Entry& bar = At(child);
    if (bar.kind != ui::WidgetKind::kMenuBar) continue;
    HMENU menu = CreateMenu();
    std::vector<ACCEL> accelerators;
    AppendMenuItems(menu, child, accelerators);
    SetMenu(form_entry.hwnd, menu);
    if (bar.menu_bar) DestroyMenu(bar.menu_bar);
    bar.menu_bar = menu;
    DrawMenuBar(form_entry.hwnd);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    accelerators_ = accelerators.empty()
                        ? nullptr
                        : CreateAcceleratorTableW(accelerators.data(),
                                                  static_cast<int>(accelerators.size()));
    accelerator_window_ = form_entry.hwnd;
  }
}

ui::WidgetId Win32Backend::FindCommand(int command) {
  if (command == 0) return 0;
  for (const auto& [id, entry] : entries_) {
    if (entry.kind == ui::WidgetKind::kMenuItem && entry.command == command) return id;
  }
  return 0;
}

void Win32Backend::SetText(ui::WidgetId id, std::string_view text) {
  Entry& entry = At(id);
  entry.text = text;
  if (entry.hwnd) SetWindowTextW(entry.hwnd, Wide(text).c_str());
  if (IsMenuPart(id)) MenuChanged(id);
}

std::string Win32Backend::GetText(ui::WidgetId id) {
  Entry& entry = At(id);
  if (!entry.hwnd) return entry.text;
  const int length = GetWindowTextLengthW(entry.hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(entry.hwnd, text.data(), length + 1)));
  return Narrow(text);
}

void Win32Backend::SetEnabled(ui::WidgetId id, bool enabled) {
  Entry& entry = At(id);
  if (entry.enabled == enabled) return;
  entry.enabled = enabled;
  if (entry.hwnd) EnableWindow(entry.hwnd, enabled);
  if (entry.buddy) EnableWindow(entry.buddy, enabled);
  if (IsMenuPart(id)) MenuChanged(id);
  if (entry.kind == ui::WidgetKind::kTimer) SetTimer(id, 0, enabled);
}

bool Win32Backend::GetEnabled(ui::WidgetId id) { return At(id).enabled; }

void Win32Backend::SetVisible(ui::WidgetId id, bool visible) {
  Entry& entry = At(id);
  entry.visible = visible;
  if (entry.kind == ui::WidgetKind::kForm) {
    if (!visible) {
      ShowWindow(entry.hwnd, SW_HIDE);
      return;
    }
    int command = SW_SHOWNORMAL;
    if (entry.pending_state == ui::WindowState::kMaximized) command = SW_SHOWMAXIMIZED;
    if (entry.pending_state == ui::WindowState::kMinimized) command = SW_SHOWMINIMIZED;
    // The menu bar belongs to the first picture: built later, it would shrink the client
    // area and have everything laid out and painted a second time.
    if (entry.menu_rebuild_posted) RebuildMenu(id);
    ShowPainted(entry.hwnd, command);
    return;
  }
  if (entry.hwnd) ShowWindow(entry.hwnd, visible ? SW_SHOW : SW_HIDE);
  // A group box shown over other controls (the search box over the grid) comes first.
  if (visible && entry.hwnd && entry.kind == ui::WidgetKind::kGroupBox) {
    SetWindowPos(entry.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (entry.buddy) ShowWindow(entry.buddy, visible ? SW_SHOW : SW_HIDE);
  if (IsMenuPart(id)) MenuChanged(id);
}

bool Win32Backend::GetVisible(ui::WidgetId id) {
  Entry& entry = At(id);
  if (entry.kind == ui::WidgetKind::kForm) return IsWindowVisible(entry.hwnd) != FALSE;
  return entry.visible;
}

void Win32Backend::SetCheckState(ui::WidgetId id, ui::CheckState state) {
  Entry& entry = At(id);
  entry.check = state;
  if (IsMenuPart(id)) {
    MenuChanged(id);
  } else if (entry.hwnd) {
    SendMessageW(entry.hwnd, BM_SETCHECK, static_cast<WPARAM>(state), 0);
  }
}

ui::CheckState Win32Backend::GetCheckState(ui::WidgetId id) {
  Entry& entry = At(id);
  if (entry.hwnd && !IsMenuPart(id)) {
    return static_cast<ui::CheckState>(SendMessageW(entry.hwnd, BM_GETCHECK, 0, 0));
  }
  return entry.check;
}

void Win32Backend::SetBounds(ui::WidgetId id, ui::Rect bounds) {
  Entry& entry = At(id);
  if (!entry.hwnd) return;
  if (entry.kind == ui::WidgetKind::kForm && (IsZoomed(entry.hwnd) || IsIconic(entry.hwnd))) {
    // A maximised or minimised window keeps its normal bounds for later.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(entry.hwnd, &placement);
    placement.rcNormalPosition = {bounds.left, bounds.top, bounds.left + bounds.width,
                                  bounds.top + bounds.height};
    SetWindowPlacement(entry.hwnd, &placement);
    return;
  }
  switch (entry.kind) {
    case ui::WidgetKind::kStatusBar: {
      // A status bar sizes and places itself; it keeps the height asked for as its least.
      const int borders = 2 * GetSystemMetrics(SM_CYBORDER);
      SendMessageW(entry.hwnd, SB_SETMINHEIGHT, static_cast<WPARAM>(std::max(0, bounds.height - borders)), 0);
      SendMessageW(entry.hwnd, WM_SIZE, 0, 0);
      InvalidateRect(entry.hwnd, nullptr, TRUE);
      return;
    }
    case ui::WidgetKind::kComboBox: {
      // The height of a combo box includes its list: room for some items at least.
      const auto field = SendMessageW(entry.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
      const auto item = SendMessageW(entry.hwnd, CB_GETITEMHEIGHT, 0, 0);
      const int least = static_cast<int>(field + 8 + kComboListItems * item);
      MoveWindow(entry.hwnd, bounds.left, bounds.top, bounds.width, std::max(bounds.height, least), TRUE);
      return;
    }
    default:
      break;
  }
  MoveWindow(entry.hwnd, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
  // The arrows go back inside the edit box, which they narrow by their width.
  if (entry.buddy) SendMessageW(entry.buddy, UDM_SETBUDDY, reinterpret_cast<WPARAM>(entry.hwnd), 0);
}

ui::Rect Win32Backend::GetBounds(ui::WidgetId id) {
  Entry& entry = At(id);
  if (!entry.hwnd) return {};
  RECT rect{};
  GetWindowRect(entry.hwnd, &rect);
  if (entry.kind != ui::WidgetKind::kForm) {
    MapWindowPoints(HWND_DESKTOP, GetParent(entry.hwnd), reinterpret_cast<POINT*>(&rect), 2);
  }
  return RectOf(rect);
}

void Win32Backend::SetMenuCommand(ui::WidgetId item, int command, std::string_view shortcut) {
  At(item).command = command;
  At(item).shortcut = shortcut;
  MenuChanged(item);
}

void Win32Backend::SetWindowState(ui::WidgetId form, ui::WindowState state) {
  Entry& entry = At(form);
  entry.pending_state = state;
  if (!IsWindowVisible(entry.hwnd)) return;
  switch (state) {
    case ui::WindowState::kMaximized:
      ShowWindow(entry.hwnd, SW_MAXIMIZE);
      break;
    case ui::WindowState::kMinimized:
      ShowWindow(entry.hwnd, SW_MINIMIZE);
      break;
    case ui::WindowState::kNormal:
      ShowWindow(entry.hwnd, SW_RESTORE);
      break;
  }
}

ui::WindowState Win32Backend::GetWindowState(ui::WidgetId form) {
  Entry& entry = At(form);
  if (!IsWindowVisible(entry.hwnd)) return entry.pending_state;
  if (IsZoomed(entry.hwnd)) return ui::WindowState::kMaximized;
  if (IsIconic(entry.hwnd)) return ui::WindowState::kMinimized;
  return ui::WindowState::kNormal;
}

void Win32Backend::MakeDialogFrame(ui::WidgetId form, int client_width, int client_height) {
  HWND hwnd = At(form).hwnd;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  // A dialog shown already (one that grows) stays shown.
  const DWORD shown = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & WS_VISIBLE;
  SetWindowLongPtrW(hwnd, GWL_STYLE, style | shown);
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex_style);
  for (const auto& [id, entry] : entries_) {
    // Owned by the first form (the main window): it stays above it and leaves with it.
    if (entry.kind == ui::WidgetKind::kForm && id != form) {
      SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(entry.hwnd));
      break;
    }
  }
  RECT frame{0, 0, client_width, client_height};
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_FRAMECHANGED);
}

std::uintptr_t Win32Backend::NativeHandle(ui::WidgetId id) {
  return reinterpret_cast<std::uintptr_t>(At(id).hwnd);
}

void Win32Backend::SetMinClientSize(ui::WidgetId form, int width, int height) {
  At(form).min_client = {width, height};
}

ui::Rect Win32Backend::GetClientRect(ui::WidgetId form) {
  RECT rect{};
  ::GetClientRect(At(form).hwnd, &rect);
  return RectOf(rect);
}

ui::Rect Win32Backend::GetNormalBounds(ui::WidgetId form) {
  WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
  GetWindowPlacement(At(form).hwnd, &placement);
  return RectOf(placement.rcNormalPosition);
}

void Win32Backend::SetTimer(ui::WidgetId timer, unsigned interval_ms, bool enabled) {
  Entry& entry = At(timer);
  entry.enabled = enabled;
  if (interval_ms != 0) entry.command = static_cast<int>(interval_ms);
  if (enabled && entry.command > 0) {
    ::SetTimer(timer_window_, timer, static_cast<UINT>(entry.command), nullptr);
  } else {
    KillTimer(timer_window_, timer);
  }
}

int Win32Backend::ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  return MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(caption).c_str(),
                     flags | MB_TASKMODAL);
}

bool Win32Backend::TranslateShortcut(MSG& message) {
  return accelerators_ && accelerator_window_ &&
         TranslateAcceleratorW(accelerator_window_, accelerators_, &message);
}

// Dialog keys (Tab, arrows between buttons) for a modal form; the main window's
// shortcuts otherwise.
void Win32Backend::DispatchOne(MSG& message) {
  if (!modal_forms_.empty()) {
    HWND dialog = At(modal_forms_.back()).hwnd;
    if (IsDialogMessageW(dialog, &message)) return;
  } else if (TranslateShortcut(message)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32Backend::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOne(message);
}

void Win32Backend::RunModalLoop(ui::WidgetId form) {
  // Disable the other visible top-level windows of the program while the form is up.
  std::vector<HWND> disabled;
  for (const auto& [id, entry] : entries_) {
    if (id != form && entry.kind == ui::WidgetKind::kForm && IsWindowVisible(entry.hwnd) &&
        IsWindowEnabled(entry.hwnd)) {
      EnableWindow(entry.hwnd, FALSE);
      disabled.push_back(entry.hwnd);
    }
  }
  modal_forms_.push_back(form);
  MSG message;
  while (std::find(modal_forms_.begin(), modal_forms_.end(), form) != modal_forms_.end()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop
      break;
    }
    DispatchOne(message);
  }
  std::erase(modal_forms_, form);
  for (HWND hwnd : disabled) EnableWindow(hwnd, TRUE);
  if (!disabled.empty()) SetActiveWindow(disabled.front());
}

void Win32Backend::EndModal(ui::WidgetId form) {
  std::erase(modal_forms_, form);
  PostMessageW(nullptr, WM_NULL, 0, 0);  // wake the modal loop
}

void Win32Backend::Terminate() { PostQuitMessage(0); }

void Win32Backend::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the main loop
      return;
    }
    DispatchOne(message);
  }
}

std::uint64_t Win32Backend::TickCount() { return GetTickCount64(); }

void Win32Backend::SetCursor(ui::Cursor cursor) {
  ::SetCursor(LoadCursorW(nullptr, cursor == ui::Cursor::kHourGlass ? IDC_WAIT : IDC_ARROW));
}

bool Win32Backend::ShellOpen(std::string_view target) {
  // End-to-end tests name a file in SORVANO_TEST_SHELL_LOG: what the shell would have
  // opened is written there, one line each, instead of starting a browser or installer.
  wchar_t log_path[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"SORVANO_TEST_SHELL_LOG", log_path, MAX_PATH) > 0) {
    const HANDLE log = CreateFileW(log_path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return false;
    const std::string line = std::string(target) + "\r\n";
    DWORD written = 0;
    const BOOL ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
    return ok != FALSE;
  }
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
      GetDesktopWindow(), L"open", Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

void Win32Backend::Beep() { MessageBeep(0); }

std::unique_ptr<update::THTTPDown> Win32Backend::CreateHttpDown(int slot) {
  return MakeWinInetHttpDown(slot);
}

LRESULT CALLBACK Win32Backend::TimerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && g_backend) {
    g_backend->Fire(static_cast<ui::WidgetId>(wparam), ui::EventKind::kTimer);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK Win32Backend::FormProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto id = static_cast<ui::WidgetId>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (id == 0 || g_backend == nullptr || !g_backend->entries_.count(id)) {
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return g_backend->HandleFormMessage(id, hwnd, message, wparam, lparam);
}

LRESULT Win32Backend::HandleFormMessage(ui::WidgetId id, HWND hwnd, UINT message, WPARAM wparam,
                                        LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      Fire(id, ui::EventKind::kCloseQuery);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) Fire(id, ui::EventKind::kActivate);
      break;
    case WM_EXITSIZEMOVE:
      Fire(id, ui::EventKind::kExitSizeMove);
      return 0;
    case WM_ACTIVATEAPP:
      if (!wparam) Fire(id, ui::EventKind::kAppDeactivate);
      break;
    case WM_COPYDATA: {
      // The block is the sender's: it is read while this message is handled, never kept.
      const ui::CopyData block = CopyDataOf(lparam);
      ui::Event event{ui::EventKind::kCopyData};
      event.copy_data = &block;
      At(id).owner->Dispatch(event);
      return 0;
    }
    case kRebuildMenuMessage:
      if (At(id).menu_rebuild_posted) RebuildMenu(id);  // not when it was built meanwhile
      return 0;
    case WM_COMMAND: {
      if (lparam == 0) {
        if (ui::WidgetId item = FindCommand(LOWORD(wparam))) Fire(item, ui::EventKind::kClick);
        return 0;
      }
      const auto control = static_cast<ui::WidgetId>(LOWORD(wparam));
      switch (HIWORD(wparam)) {
        case BN_CLICKED:
          Fire(control, ui::EventKind::kClick);
          return 0;
        case CBN_SELCHANGE:
        case EN_CHANGE:
          Fire(control, ui::EventKind::kChange);
          return 0;
        default:
          break;
      }
      break;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->code == NM_DBLCLK) {
        Fire(static_cast<ui::WidgetId>(header->idFrom), ui::EventKind::kDoubleClick);
        return 0;
      }
      break;
    }
    case WM_SIZE:
      // A menu bar that wrapped onto another line at the least width takes the room of
      // the rows the least size keeps: the window grows by that much (once: a window
      // that the screen keeps smaller stays so).
      if (wparam == SIZE_RESTORED && HIWORD(lparam) < At(id).min_client.cy && !growing_) {
        RECT window{};
        GetWindowRect(hwnd, &window);
        growing_ = true;
        SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left,
                     window.bottom - window.top + At(id).min_client.cy - HIWORD(lparam),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        growing_ = false;
        return 0;
      }
      // The status bar keeps itself at the bottom edge; the form lays out the rest.
      for (ui::WidgetId child : At(id).children) {
        if (At(child).kind == ui::WidgetKind::kStatusBar) SendMessageW(At(child).hwnd, WM_SIZE, 0, 0);
      }
      Fire(id, ui::EventKind::kResize);
      break;
    case WM_MOUSEWHEEL: {
      ui::Event event{ui::EventKind::kMouseWheel};
      event.delta = GET_WHEEL_DELTA_WPARAM(wparam);
      At(id).owner->Dispatch(event);
      return 0;
    }
    case WM_GETMINMAXINFO: {
      const SIZE min_client = At(id).min_client;
      if (min_client.cx <= 0 && min_client.cy <= 0) break;
      const SIZE frame = FrameSize(hwnd);
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, min_client.cx + frame.cx);
      info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, min_client.cy + frame.cy);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace win32
