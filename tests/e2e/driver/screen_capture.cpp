#include "driver/screen_capture.h"

#include <cstdio>
#include <cstdlib>

#include "driver/build_paths.h"
#include "driver/drawn.h"
#include "driver/text_codec.h"

namespace e2e {

int WindowPicture::Count(COLORREF colour) const {
  const std::uint32_t wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  int count = 0;
  for (std::uint32_t pixel : pixels) {
    if ((pixel & 0x00FFFFFF) == wanted) ++count;
  }
  return count;
}

bool WindowPicture::SaveBmp(const std::wstring& path) const {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = -height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  const DWORD image_bytes = static_cast<DWORD>(pixels.size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + image_bytes;
  // Opaque: viewers read the fourth byte of a 32-bit BMP as alpha.
  std::vector<std::uint32_t> opaque(pixels);
  for (std::uint32_t& pixel : opaque) pixel |= 0xFF000000u;
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                       std::fwrite(&info, sizeof(info), 1, out) == 1 &&
                       std::fwrite(opaque.data(), 1, image_bytes, out) == image_bytes;
  return std::fclose(out) == 0 && written;
}

WindowPicture CaptureWindow(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  // The part on the screen: a maximised window's frame lies beyond its edges, and a copy
  // from outside the screen comes back black.
  const RECT screen_rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&rect, &rect, &screen_rect);
  WindowPicture picture;
  picture.width = rect.right - rect.left;
  picture.height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, picture.width, picture.height, screen, rect.left, rect.top, SRCCOPY);
  const auto* first = static_cast<const std::uint32_t*>(bits);
  picture.pixels.assign(first, first + picture.width * picture.height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

std::wstring PictureFolder() {
  // run_e2e.sh names a file beside the test's log (a Unix path, which Wine reaches
  // through drive Z:).
  const wchar_t* leftover = _wgetenv(L"SORVANO_E2E_LEFTOVER");
  if (leftover == nullptr) return L".";
  std::wstring path = UnixToWindowsPath(WideToUtf8(leftover));
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

bool SavePicture(HWND window, const std::wstring& name) {
  WaitDrawn(window);
  const std::wstring path = PictureFolder() + L"\\" + name;
  const bool saved = CaptureWindow(window).SaveBmp(path);
  std::printf("picture: %s\n", WideToUtf8(path).c_str());
  return saved;
}

}  // namespace e2e
