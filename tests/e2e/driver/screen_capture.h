// Pictures of another process's window as it is on the screen: its pixels, a count of
// one colour, and a BMP file for a person to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct WindowPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first

  int Count(COLORREF colour) const;
  // Writes a 32-bit BMP; false when the file cannot be written.
  bool SaveBmp(const std::wstring& path) const;
};

WindowPicture CaptureWindow(HWND window);

// Where a test may leave pictures for people: the folder of the test's log when the
// wrapper says where that is, else the current folder.
std::wstring PictureFolder();

// Saves a picture of `window` as `name` in PictureFolder() for a person to look at, once
// it is drawn (WaitDrawn), and prints where; false when no file was written.
bool SavePicture(HWND window, const std::wstring& name);

}  // namespace e2e
