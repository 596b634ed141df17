// Time from starting a window program to its first frame on an X display:
// the program is spawned, and the screen is read pixel by pixel at one point
// until it shows the expected colour (the form's pale yellow), in
// milliseconds from just before the spawn, and the processor time the program
// used until then (user and system, milliseconds). The program is then ended.
//   first_frame X Y RRGGBB PROGRAM [ARGUMENTS...]    (X, Y: screen pixels)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

extern char** environ;

namespace {

constexpr auto kGiveUp = std::chrono::seconds(20);

/// The colour of the screen pixel at (x, y), as 0xRRGGBB.
std::uint32_t pixelAt(xcb_connection_t* connection, xcb_window_t root, int x, int y) {
  const xcb_get_image_cookie_t cookie =
      xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<std::int16_t>(x),
                    static_cast<std::int16_t>(y), 1, 1, ~0U);
  xcb_get_image_reply_t* reply = xcb_get_image_reply(connection, cookie, nullptr);
  if (reply == nullptr) return 0;
  const std::uint8_t* data = xcb_get_image_data(reply);
  const std::uint32_t colour = (std::uint32_t{data[2]} << 16) | (std::uint32_t{data[1]} << 8) | data[0];
  std::free(reply);
  return colour;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: first_frame X Y RRGGBB PROGRAM [ARGUMENTS...]\n");
    return 64;
  }
  const int x = std::atoi(argv[1]);
  const int y = std::atoi(argv[2]);
  const auto expected = static_cast<std::uint32_t>(std::stoul(argv[3], nullptr, 16));
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fprintf(stderr, "first_frame: no X display\n");
    return 69;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  if (pixelAt(connection, root, x, y) == expected) {
    std::fprintf(stderr, "first_frame: the screen shows the colour before the program starts\n");
    return 70;
  }

  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, argv[4], nullptr, nullptr, argv + 4, environ) != 0) {
    std::fprintf(stderr, "first_frame: cannot start %s\n", argv[4]);
    return 69;
  }
  int status = 0;
  while (pixelAt(connection, root, x, y) != expected) {
    if (waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "first_frame: the program ended before its first frame\n");
      return 70;
    }
    if (std::chrono::steady_clock::now() - start > kGiveUp) {
      kill(child, SIGTERM);
      waitpid(child, &status, 0);
      std::fprintf(stderr, "first_frame: no frame within %lld s\n", static_cast<long long>(kGiveUp.count()));
      return 70;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  kill(child, SIGKILL);
  rusage usage{};
  wait4(child, &status, 0, &usage);
  xcb_disconnect(connection);
  const long cpuMicroseconds =
      (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
  const double cpuMilliseconds = static_cast<double>(cpuMicroseconds) / 1e3;
  std::printf("%.1f %.1f\n", elapsed.count(), cpuMilliseconds);
  return 0;
}
