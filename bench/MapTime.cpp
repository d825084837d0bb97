// Start-up as a person sees it: the time from starting a program until its first window is
// mapped on the X display, and its peak memory. Runs the program RUNS times on $DISPLAY (a
// private Xvfb with no window manager, so each window is mapped as soon as it asks) and prints
// every run, then the median and the range.
//   map_time RUNS PROGRAM [ARGUMENT...]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

extern char** environ;

namespace {

using TClock = std::chrono::steady_clock;

struct TRun {
  double Ms = 0;
  double PeakMb = 0;
};

bool IsTopLevelMap(const xcb_generic_event_t& Event) {
  if ((Event.response_type & 0x7f) != XCB_MAP_NOTIFY) return false;
  return !reinterpret_cast<const xcb_map_notify_event_t&>(Event).override_redirect;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_time RUNS PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  const int Runs = std::max(1, std::atoi(argv[1]));
  xcb_connection_t* X = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(X)) {
    std::fprintf(stderr, "map_time: no X display\n");
    return 2;
  }
  const xcb_window_t Root = xcb_setup_roots_iterator(xcb_get_setup(X)).data->root;
  const std::uint32_t Mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(X, Root, XCB_CW_EVENT_MASK, &Mask);
  xcb_flush(X);

  std::vector<TRun> Done;
  for (int Run = 0; Run < Runs; ++Run) {
    while (xcb_generic_event_t* Old = xcb_poll_for_event(X)) std::free(Old);
    const TClock::time_point Start = TClock::now();
    pid_t Child = 0;
    if (posix_spawn(&Child, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
      std::fprintf(stderr, "map_time: cannot start %s\n", argv[2]);
      return 2;
    }
    TRun This;
    for (;;) {
      std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> Event(xcb_wait_for_event(X),
                                                                       &std::free);
      if (!Event) {
        std::fprintf(stderr, "map_time: the X connection ended\n");
        return 2;
      }
      if (IsTopLevelMap(*Event)) break;
    }
    This.Ms = std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
    int Status = 0;
    rusage Usage{};
    wait4(Child, &Status, 0, &Usage);
    This.PeakMb = static_cast<double>(Usage.ru_maxrss) / 1024.0;
    std::printf("run %2d: %6.1f ms to the window mapped, peak %5.1f MB\n", Run + 1, This.Ms,
                This.PeakMb);
    Done.push_back(This);
  }
  std::sort(Done.begin(), Done.end(), [](const TRun& A, const TRun& B) { return A.Ms < B.Ms; });
  const TRun& Median = Done[Done.size() / 2];
  std::printf("%s: median %.1f ms (%.1f-%.1f), peak %.1f MB\n", argv[2], Median.Ms, Done.front().Ms,
              Done.back().Ms, Median.PeakMb);
  xcb_disconnect(X);
  return 0;
}
