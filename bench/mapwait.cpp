// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// sumdart-mapwait PROGRAM [ARGS...]: starts PROGRAM on the X display and prints
// the milliseconds from just before its exec to the first window mapped on the
// display, then ends it. Exit status 1 when no window is mapped within 20 s.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: sumdart-mapwait PROGRAM [ARGS...]\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "sumdart-mapwait: no X display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  // Every window mapped as a child of the root (also by a window manager's frame).
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  int status = 1;
  pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
  while (status == 1) {
    const auto waited = std::chrono::steady_clock::now() - start;
    const int left = 20000 - static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(waited).count());
    if (left <= 0 || poll(&fd, 1, left) <= 0) break;
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
      if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && status == 1) {
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%.1f\n", ms);
        status = 0;
      }
      free(e);
    }
    if (xcb_connection_has_error(c)) break;
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(c);
  return status;
}
