#include "win32/wininet_http_down.h"

#include <windows.h>
#include <wininet.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <optional>
#include <string>

#include "base/platform.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "update/http_url.h"
#include "update/update_texts.h"
#include "update/web_pages.h"
#include "win32/wide_text.h"

namespace win32 {
namespace {

constexpr DWORD_PTR kConnectContext = 1;
constexpr DWORD_PTR kRequestContext = 2;
constexpr DWORD kSliceMs = 50;
constexpr DWORD kSendLimitMs = 120000;
constexpr DWORD kReadChunk = 2047;

class WinInetHttpDown;

// Which object each slot's status callback serves.
std::array<std::atomic<WinInetHttpDown*>, 2> HttpDownSlots{};

class Event {
 public:
  Event() : handle_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
  ~Event() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

class InternetHandle {
 public:
  ~InternetHandle() { Close(); }
  void Close() {
    HINTERNET handle = handle_.exchange(nullptr);
    if (handle != nullptr) InternetCloseHandle(handle);
  }
  std::atomic<HINTERNET>& ref() { return handle_; }
  HINTERNET get() const { return handle_.load(); }

 private:
  std::atomic<HINTERNET> handle_{nullptr};
};

// The file of a file-mode transfer: written under a temporary name beside the target,
// renamed to the target when complete, removed otherwise.
class PartFile {
 public:
  explicit PartFile(const std::string& target_cp932)
      : target_(platform::PathFromCp932(target_cp932)) {
    temp_ = target_;
    temp_ += L".part";
  }
  ~PartFile() {
    CloseFile();
    if (!kept_) DeleteFileW(temp_.c_str());
  }
  bool Create() {
    handle_ = CreateFileW(temp_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle_ != INVALID_HANDLE_VALUE;
  }
  bool Write(const char* bytes, DWORD size) {
    DWORD written = 0;
    return WriteFile(handle_, bytes, size, &written, nullptr) && written == size;
  }
  // Closes the file and gives it the target's name, replacing an older file.
  bool Commit() {
    if (!CloseFile()) return false;
    if (!platform::MoveFileOver(temp_, target_).ok()) return false;
    kept_ = true;
    return true;
  }

 private:
  bool CloseFile() {
    if (handle_ == INVALID_HANDLE_VALUE) return true;
    const BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed != FALSE;
  }

  std::filesystem::path target_;
  std::filesystem::path temp_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool kept_ = false;
};

class WinInetHttpDown : public update::THTTPDown {
 public:
  explicit WinInetHttpDown(int slot) : slot_(slot) { HttpDownSlots[static_cast<size_t>(slot)] = this; }
  ~WinInetHttpDown() override {
    WinInetHttpDown* self = this;
    HttpDownSlots[static_cast<size_t>(slot_)].compare_exchange_strong(self, nullptr);
  }

  int Fetch(std::string_view url, const std::string* body) override {
    if (busy_) return update::kFetchFailed;
    busy_ = true;
    end_of_data_ = false;
    const int result = Transfer(url, body);
    busy_ = false;
    return result;
  }

  // Runs on WinInet's thread: stores a handle or a flag and signals an event, no more.
  void StatusCallback(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD) {
    const auto* async = static_cast<const INTERNET_ASYNC_RESULT*>(info);
    if (status == INTERNET_STATUS_HANDLE_CREATED && async != nullptr) {
      const auto handle = reinterpret_cast<HINTERNET>(async->dwResult);
      if (context == kConnectContext && connect_event_ != nullptr) {
        connect_.load()->ref().store(handle);
        SetEvent(connect_event_);
      } else if (context == kRequestContext && request_event_ != nullptr) {
        request_.load()->ref().store(handle);
        SetEvent(request_event_);
      }
    } else if (context == kRequestContext && status == INTERNET_STATUS_REQUEST_COMPLETE) {
      if (complete_event_ != nullptr) SetEvent(complete_event_);
    } else if (context == kRequestContext && status == INTERNET_STATUS_RESPONSE_RECEIVED) {
      if (info != nullptr && *static_cast<const DWORD*>(info) == 0) end_of_data_ = true;
    }
  }

 private:
  static void ProcessMessages() { ui::Application().ProcessMessages(); }

  int Transfer(std::string_view url, const std::string* body) {
    const std::optional<update::UrlParts> parts = update::SplitUrl(url);

    // Every handle and event below is released on every way out, in reverse order:
    // the request, the connection, the session, then the events.
    InternetHandle session;
    session.ref().store(InternetOpenA(update::kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr,
                                      nullptr, INTERNET_FLAG_ASYNC));
    if (session.get() == nullptr || !parts) return update::kFetchFailed;

    Event connect_event, request_event, complete_event;
    InternetHandle connection, request;
    struct Detach {  // the callback must not touch the events once they are gone
      WinInetHttpDown& self;
      ~Detach() {
        self.connect_event_ = self.request_event_ = self.complete_event_ = nullptr;
        self.connect_ = self.request_ = nullptr;
      }
    } detach{*this};
    // Declared after the events, so that the handles close first and the callback's last
    // calls still find them.
    struct CloseFirst {
      InternetHandle& request;
      InternetHandle& connection;
      InternetHandle& session;
      ~CloseFirst() {
        request.Close();
        connection.Close();
        session.Close();
      }
    } close_first{request, connection, session};

    connect_event_ = connect_event.get();
    request_event_ = request_event.get();
    complete_event_ = complete_event.get();
    connect_ = &connection;
    request_ = &request;
    if (connect_event_ == nullptr || request_event_ == nullptr || complete_event_ == nullptr) {
      return update::kFetchFailed;
    }
    InternetSetStatusCallback(session.get(), slot_ == 0 ? StatusCallback0 : StatusCallback1);

    const bool credentials = UserName.size() >= 3;
    HINTERNET connected = InternetConnectA(
        session.get(), parts->host.c_str(), parts->port, credentials ? UserName.c_str() : nullptr,
        credentials ? Password.c_str() : nullptr, INTERNET_SERVICE_HTTP, 0, kConnectContext);
    if (!Obtain(connected, connection, connect_event_)) return update::kFetchFailed;

    const char* verb = body != nullptr ? "POST" : "GET";
    HINTERNET opened = HttpOpenRequestA(
        connection.get(), verb, parts->object_name.empty() ? nullptr : parts->object_name.c_str(),
        nullptr, nullptr, nullptr, parts->request_flags, kRequestContext);
    if (!Obtain(opened, request, request_event_)) return update::kFetchFailed;

    void* data = body != nullptr ? const_cast<char*>(body->data()) : nullptr;
    const DWORD data_size = body != nullptr ? static_cast<DWORD>(body->size()) : 0;
    if (!HttpSendRequestA(request.get(), nullptr, 0, data, data_size)) {
      if (GetLastError() != ERROR_IO_PENDING) return update::kFetchFailed;
      WaitSent();
    }

    DWORD status = 0;
    DWORD size = sizeof status;
    const bool status_read = HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER,
                                            &status, &size, nullptr) != FALSE;
    if (const std::optional<int> finish =
            update::ResultForStatus(status_read ? std::optional<std::uint32_t>(status) : std::nullopt)) {
      return *finish;
    }

    std::optional<PartFile> file;
    if (ToFile) {
      DWORD length = 0;
      size = sizeof length;
      if (!HttpQueryInfoA(request.get(), HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length,
                          &size, nullptr)) {
        return update::kFetchFailed;
      }
      ContentLength = length;
      file.emplace(Text);
      if (!file->Create()) {
        ReportCannotWrite();
        return update::kFetchCannotCreate;
      }
    } else {
      Text.clear();
    }

    const int read = ReadBody(request.get(), file ? &*file : nullptr);
    if (read != update::kFetchOk || !file) return read;
    if (!file->Commit()) {
      ReportCannotWrite();
      return update::kFetchCannotCreate;
    }
    return update::kFetchOk;
  }

  // The handle that WinInet gave at once (`made`), or, when its creation is pending, the
  // one the status callback stores before it signals `created`; false when there is none.
  // Called right after the creating call, so that its error is the one read here.
  static bool Obtain(HINTERNET made, InternetHandle& handle, HANDLE created) {
    if (made != nullptr) {
      handle.ref().store(made);
    } else if (GetLastError() == ERROR_IO_PENDING) {
      WaitForSingleObject(created, INFINITE);
    } else {
      return false;
    }
    return handle.get() != nullptr;
  }

  // The request's completion, in slices that keep the window live, for at most
  // kSendLimitMs; the status is read afterwards whatever the wait gave.
  void WaitSent() {
    DWORD waited = 0;
    while (true) {
      const DWORD outcome = WaitForSingleObject(complete_event_, kSliceMs);
      if (outcome != WAIT_TIMEOUT) return;
      ProcessMessages();
      waited += kSliceMs;
      if (waited > kSendLimitMs) return;
    }
  }

  // A read's completion, without a time limit of its own, but in slices that keep the
  // window live: a slow server may take seconds to fill one chunk.
  void WaitRead() {
    while (WaitForSingleObject(complete_event_, kSliceMs) == WAIT_TIMEOUT) ProcessMessages();
  }

  int ReadBody(HINTERNET request, PartFile* file) {
    char buffer[kReadChunk + 1];
    long long total = 0;
    while (!end_of_data_) {
      ProcessMessages();
      INTERNET_BUFFERSA block{};
      block.dwStructSize = sizeof block;
      block.lpvBuffer = buffer;
      block.dwBufferLength = kReadChunk;
      if (!InternetReadFileExA(request, &block, IRF_ASYNC, kRequestContext)) {
        if (GetLastError() != ERROR_IO_PENDING) return update::kFetchFailed;
        WaitRead();
      }
      const DWORD count = block.dwBufferLength;
      if (count == 0) {
        end_of_data_ = true;
        break;
      }
      if (file != nullptr) {
        if (!file->Write(buffer, count)) return update::kFetchFailed;
        total += count;
        if (OnProgress) OnProgress(total, ContentLength);
      } else {
        update::AppendChunkText(Text, std::string_view(buffer, count));
      }
    }
    if (file != nullptr) return update::ResultForFileBody(ContentLength, static_cast<std::uint64_t>(total));
    return update::kFetchOk;
  }

  void ReportCannotWrite() {
    ui::Application().ShowMessage(update::kTextCannotWriteDownload, Text, ui::kMbOk | ui::kMbIconError);
  }

  static void CALLBACK StatusCallback0(HINTERNET handle, DWORD_PTR context, DWORD status, LPVOID info,
                                       DWORD length) {
    if (WinInetHttpDown* self = HttpDownSlots[0].load()) self->StatusCallback(handle, context, status, info, length);
  }
  static void CALLBACK StatusCallback1(HINTERNET handle, DWORD_PTR context, DWORD status, LPVOID info,
                                       DWORD length) {
    if (WinInetHttpDown* self = HttpDownSlots[1].load()) self->StatusCallback(handle, context, status, info, length);
  }

  const int slot_;
  std::atomic<bool> end_of_data_{false};
  std::atomic<HANDLE> connect_event_{nullptr};
  std::atomic<HANDLE> request_event_{nullptr};
  std::atomic<HANDLE> complete_event_{nullptr};
  std::atomic<InternetHandle*> connect_{nullptr};
  std::atomic<InternetHandle*> request_{nullptr};
};

}  // namespace

std::unique_ptr<update::THTTPDown> MakeWinInetHttpDown(int slot) {
  return std::make_unique<WinInetHttpDown>(slot == 0 ? 0 : 1);
}

}  // namespace win32
