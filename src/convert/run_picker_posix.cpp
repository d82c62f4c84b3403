#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "convert/run_picker.h"

extern char** environ;

namespace tintora {

namespace {

// The main program beside this one, which owns the screen: on X11 it holds the pointer with a
// crosshair, on Wayland it asks the desktop portal.
std::string PickerPath(const char* argv0) {
  std::string self(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
  self = n > 0 ? self.substr(0, static_cast<std::size_t>(n)) : std::string(argv0);
  const std::size_t slash = self.rfind('/');
  return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/tintora";
}

}  // namespace

PickerRun RunPicker(const char* argv0, int average, bool device) {
  PickerRun run;
  run.picker = PickerPath(argv0);
  int out[2];
  if (pipe(out) != 0) {
    run.why = std::strerror(errno);
    return run;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  std::string size = std::to_string(average);
  char* const args[] = {const_cast<char*>(run.picker.c_str()),
                        const_cast<char*>("--pick"),
                        const_cast<char*>("--average"),
                        size.data(),
                        device ? const_cast<char*>("--device") : nullptr,
                        nullptr};
  pid_t child = 0;
  const int spawned = posix_spawn(&child, run.picker.c_str(), &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    run.why = std::strerror(spawned);
    return run;
  }
  run.started = true;
  char buffer[256];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    run.output.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  run.finished = WIFEXITED(status);
  if (run.finished) run.exitCode = WEXITSTATUS(status);
  return run;
}

bool OutputIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

}  // namespace tintora
