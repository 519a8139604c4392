// first_paint_watch: starts a command and watches the X display until the program's
// window is fully drawn, then prints how long that took.
//
//   first_paint_watch [--settle-ms N] [--timeout-s N] [--frames DIR] -- command [arguments...]
//
// It takes a picture of the root window before the start and every few milliseconds
// after it. "appeared" is the first picture that differs from the one before the start;
// "drawn" is the last change before the screen stays still for the settle time (1500 ms
// by default), counted only once the current row's yellow highlight is on screen, so a
// half-drawn window that pauses is not taken for a finished one. Prints
// "appeared_ms=A drawn_ms=D black_ms=B" and exits 0, where B is how long the screen
// showed a large black area that was not there before the start (a window shown before
// it was painted: Wine fills such windows black); exits 1 on time-out, 2 on bad usage. The
// command is left running: the caller closes it. With --frames, every changed picture is
// also written to DIR as T.ppm (T = milliseconds since the start), to see what changed.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Picture {
  std::vector<char> bytes;
  size_t yellow = 0;
  size_t black = 0;
};

// The root window's pixels as the server holds them (32 bits a pixel on Xvfb's 24-bit
// screens), and how many of them are pure yellow.
Picture Take(Display* display, Window root, int width, int height) {
  Picture picture;
  XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) return picture;
  const size_t size = static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(height);
  picture.bytes.assign(image->data, image->data + size);
  if (image->bits_per_pixel == 32) {
    for (int y = 0; y < height; ++y) {
      const char* row = image->data + static_cast<size_t>(y) * static_cast<size_t>(image->bytes_per_line);
      for (int x = 0; x < width; ++x) {
        uint32_t pixel;
        std::memcpy(&pixel, row + static_cast<size_t>(x) * 4, 4);
        if ((pixel & 0xFFFFFFu) == 0xFFFF00u) ++picture.yellow;
        if ((pixel & 0xFFFFFFu) == 0) ++picture.black;
      }
    }
  }
  XDestroyImage(image);
  return picture;
}

void WritePpm(const std::string& path, const Picture& picture, int width, int height) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  const size_t stride = picture.bytes.size() / static_cast<size_t>(height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const char* pixel = picture.bytes.data() + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4;
      const char rgb[3] = {pixel[2], pixel[1], pixel[0]};
      std::fwrite(rgb, 1, 3, file);
    }
  }
  std::fclose(file);
}

long Milliseconds(Clock::time_point from, Clock::time_point to) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count());
}

}  // namespace

int main(int argc, char** argv) {
  long settle_ms = 1500;
  std::string frames;
  long timeout_s = 60;
  int first = 1;
  for (; first < argc; ++first) {
    if (std::strcmp(argv[first], "--") == 0) {
      ++first;
      break;
    }
    if (first + 1 >= argc) return 2;
    if (std::strcmp(argv[first], "--settle-ms") == 0) {
      settle_ms = std::atol(argv[++first]);
    } else if (std::strcmp(argv[first], "--frames") == 0) {
      frames = argv[++first];
    } else if (std::strcmp(argv[first], "--timeout-s") == 0) {
      timeout_s = std::atol(argv[++first]);
    } else {
      return 2;
    }
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: first_paint_watch [--settle-ms N] [--timeout-s N] -- command...\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "first_paint_watch: cannot open the display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  const int width = DisplayWidth(display, DefaultScreen(display));
  const int height = DisplayHeight(display, DefaultScreen(display));
  // The highlighted row of a drawn grid: a few hundred yellow pixels at least.
  const size_t yellow_needed = 400;

  Picture last = Take(display, root, width, height);
  const Clock::time_point start = Clock::now();
  if (fork() == 0) {
    execvp(argv[first], argv + first);
    std::perror("first_paint_watch: exec");
    _exit(127);
  }

  // A window-sized black area: more than a tenth of a 640 x 480 window.
  const size_t black_area = last.black + 30000;
  long appeared = -1;
  long last_change = -1;
  long black_total = 0;
  long black_since = -1;
  for (;;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    Picture now = Take(display, root, width, height);
    const Clock::time_point taken = Clock::now();
    const long elapsed = Milliseconds(start, taken);
    if (now.bytes != last.bytes) {
      if (appeared < 0) appeared = elapsed;
      last_change = elapsed;
      const bool black = now.black > black_area;
      if (black && black_since < 0) black_since = elapsed;
      if (!black && black_since >= 0) {
        black_total += elapsed - black_since;
        black_since = -1;
      }
      if (!frames.empty() && now.bytes.size() == static_cast<size_t>(width) * static_cast<size_t>(height) * 4) {
        WritePpm(frames + "/" + std::to_string(elapsed) + ".ppm", now, width, height);
      }
      last = std::move(now);
    } else if (last.yellow >= yellow_needed && elapsed - last_change >= settle_ms) {
      if (black_since >= 0) black_total += elapsed - black_since;
      std::printf("appeared_ms=%ld drawn_ms=%ld black_ms=%ld\n", appeared, last_change, black_total);
      return 0;
    }
    if (elapsed > timeout_s * 1000) {
      std::fprintf(stderr, "first_paint_watch: not drawn within %ld s\n", timeout_s);
      return 1;
    }
  }
}
