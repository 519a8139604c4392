// The logger simulator: a stand-in for the logging program's main window (class
// "TKrxin") that Sorvano links to. It keeps an entry (code, QTH, Remarks 1 and 2) that a
// send fills, answers a jump request with that entry, shows the QSO that a show request
// names from the QSO database, sends Sorvano the trigger for a jump from its button, and
// writes every message it receives to its log.
//
//   LoggerSim.exe [--log FILE] [--mst FILE]    (defaults: LoggerSim.log, Korvax.mst)
#include <windows.h>
#include <shellapi.h>

#include <array>
#include <cstdio>
#include <string>

#include "korvax50.h"
#include "logger_link/link_protocol.h"
#include "sim_entry.h"
#include "tally/qso_record.h"

namespace {

constexpr UINT kReplyMessage = WM_APP + 1;  // wParam: the window to send the entry to
constexpr UINT kAnswerTimeoutMs = 10000;

enum ControlId : int {
  kCodeEdit = 101,
  kQthEdit = 102,
  kRemarks1Edit = 103,
  kRemarks2Edit = 104,
  kQsoView = 105,
  kStatusLabel = 106,
  kTriggerButton = 201,
};

struct Simulator {
  HWND window = nullptr;
  HFONT font = nullptr;
  std::wstring log_path = L"LoggerSim.log";
  std::string mst_path = "Korvax.mst";
};
Simulator g_sim;

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& text, UINT code_page = 932) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                      nullptr);
  return narrow;
}

std::string FieldText(int id) {
  HWND control = GetDlgItem(g_sim.window, id);
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetField(int id, const std::string& text) { SetDlgItemTextW(g_sim.window, id, Wide(text).c_str()); }
void SetStatus(const std::wstring& text) { SetDlgItemTextW(g_sim.window, kStatusLabel, text.c_str()); }

void Log(const std::string& line) {
  FILE* file = _wfopen(g_sim.log_path.c_str(), L"ab");
  if (file == nullptr) return;
  std::fputs(line.c_str(), file);
  std::fputs("\r\n", file);
  std::fclose(file);
}

logger_sim::Entry CurrentEntry() {
  return {FieldText(kCodeEdit), FieldText(kQthEdit), FieldText(kRemarks1Edit), FieldText(kRemarks2Edit)};
}

void ShowEntry(const logger_sim::Entry& entry) {
  SetField(kCodeEdit, entry.code);
  SetField(kQthEdit, entry.qth);
  SetField(kRemarks1Edit, entry.remarks1);
  SetField(kRemarks2Edit, entry.remarks2);
}

// The numbered QSO from the database, one field a line.
void ShowQso(const std::string& number_text) {
  const int32_t number = StrToLong(number_text.c_str());
  QsoRecord record;
  std::wstring text;
  if (KorvaxOpen(0, record.data(), g_sim.mst_path.c_str(), 1) != 0) {
    text = L"QSOデータを開けません: " + Wide(g_sim.mst_path);
  } else {
    if (number < 1 || KRX_read(record.data(), number, 3) != 0) {
      text = L"QSO " + std::to_wstring(number) + L" は見つかりません";
    } else {
      auto field = [&](int offset) { return Wide(std::string(record.Text(offset))); };
      text = L"QSO " + std::to_wstring(number) + L"\r\n" + field(qso_field::kCall) + L"  " +
             field(qso_field::kDate) + L" " + field(qso_field::kTime) + L"\r\n" + field(qso_field::kFrequency) +
             L" MHz  " + field(qso_field::kMode) + L"  QTH " + field(qso_field::kQthCode) + L"\r\n" +
             field(qso_field::kRemarks1) + L" / " + field(qso_field::kRemarks2);
    }
    KorvaxClose(record.data(), 1);
  }
  SetDlgItemTextW(g_sim.window, kQsoView, text.c_str());
}

LRESULT Send(HWND to, ULONG_PTR code, const std::string* data) {
  COPYDATASTRUCT block{};
  block.dwData = code;
  if (data != nullptr) {
    block.cbData = static_cast<DWORD>(data->size() + 1);
    block.lpData = const_cast<char*>(data->c_str());
  }
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(g_sim.window), reinterpret_cast<LPARAM>(&block),
                      SMTO_NORMAL, kAnswerTimeoutMs, &answer);
  return static_cast<LRESULT>(answer);
}

// The empty trigger: no data, and Sorvano's own window as dwData.
void SendTrigger() {
  HWND station = FindWindowW(L"TStation", nullptr);
  if (station == nullptr) {
    SetStatus(L"Sorvanoが見つかりません");
    return;
  }
  Send(station, reinterpret_cast<ULONG_PTR>(station), nullptr);
  SetStatus(L"トリガーを送りました");
}

LRESULT OnCopyData(HWND sender, const COPYDATASTRUCT& block) {
  const auto request = static_cast<std::uint32_t>(block.dwData);
  Log(logger_sim::LogLine(request, block.cbData, block.lpData));
  const std::string data = block.lpData != nullptr ? std::string(static_cast<const char*>(block.lpData), block.cbData)
                                                   : std::string();
  wchar_t status[64];
  std::swprintf(status, 64, L"受信 dwData=%08X cbData=%u", static_cast<unsigned>(request),
                static_cast<unsigned>(block.cbData));
  SetStatus(status);
  if (logger_sim::IsSendTarget(request)) {
    logger_sim::Entry entry = CurrentEntry();
    logger_sim::ApplySendRecord(entry, request, data);
    ShowEntry(entry);
  } else if (request == logger_link::kJumpRequest) {
    // Answered once this message has returned, as the logging program does.
    PostMessageW(g_sim.window, kReplyMessage, reinterpret_cast<WPARAM>(sender), 0);
  } else if (request == logger_link::kShowQso) {
    ShowQso(data.c_str());
  } else if (request == logger_link::kOpenNotice) {
    SetStatus(L"QSOデータ使用中");
  } else if (request == logger_link::kCloseNotice) {
    SetStatus(L"QSOデータ使用終了");
  }
  // The entry window: the window to bring to the front.
  return reinterpret_cast<LRESULT>(g_sim.window);
}

void AddControl(const wchar_t* window_class, const wchar_t* text, DWORD style, int id, int x, int y, int width,
                int height, DWORD ex_style = 0) {
  HWND control = CreateWindowExW(ex_style, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                 g_sim.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_sim.font), TRUE);
}

void CreateControls() {
  const std::array<std::pair<const wchar_t*, int>, 4> fields = {{
      {L"コード", kCodeEdit}, {L"QTH", kQthEdit}, {L"Remarks1", kRemarks1Edit}, {L"Remarks2", kRemarks2Edit}}};
  int y = 12;
  for (const auto& [caption, id] : fields) {
    AddControl(L"STATIC", caption, SS_RIGHT, 0, 8, y + 3, 72, 18);
    AddControl(L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, id, 88, y, 300, 22, WS_EX_CLIENTEDGE);
    y += 30;
  }
  AddControl(L"STATIC", L"QSO表示", SS_RIGHT, 0, 8, y + 3, 72, 18);
  AddControl(L"EDIT", L"", ES_MULTILINE | ES_READONLY | WS_VSCROLL, kQsoView, 88, y, 300, 68, WS_EX_CLIENTEDGE);
  y += 78;
  AddControl(L"BUTTON", L"Sorvanoへトリガー(&T)", BS_PUSHBUTTON | WS_TABSTOP, kTriggerButton, 88, y, 180, 26);
  y += 34;
  AddControl(L"STATIC", L"待機中", SS_LEFT, kStatusLabel, 8, y, 380, 18);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      g_sim.window = hwnd;
      CreateControls();
      return 0;
    case WM_COPYDATA:
      if (lparam == 0) return 0;
      return OnCopyData(reinterpret_cast<HWND>(wparam), *reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    case kReplyMessage: {
      const std::string record = logger_sim::EntryRecordOf(CurrentEntry());
      Send(reinterpret_cast<HWND>(wparam), 0, &record);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == kTriggerButton && HIWORD(wparam) == BN_CLICKED) SendTrigger();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

void ReadArguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int n = 1; n + 1 < count; n += 2) {
    const std::wstring name = arguments[n];
    if (name == L"--log") g_sim.log_path = arguments[n + 1];
    if (name == L"--mst") g_sim.mst_path = Narrow(arguments[n + 1], CP_ACP);
  }
  LocalFree(arguments);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  ReadArguments();
  g_sim.font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"TKrxin";
  RegisterClassExW(&window_class);
  RECT frame{0, 0, 400, 290};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&frame, style, FALSE);
  // In the bottom right corner, where it leaves most of Sorvano's window in sight.
  RECT work{0, 0, 1024, 768};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HWND window = CreateWindowExW(0, L"TKrxin", L"Korvax ロガーシミュレータ", style, work.right - width,
                                work.bottom - height, width, height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(g_sim.font);
  return 0;
}
