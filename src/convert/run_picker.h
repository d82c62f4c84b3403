// The system side of tintora-colour, chosen by the build (run_picker_posix.cpp or
// run_picker_windows.cpp): running the main program beside it as the screen picker ("tintora
// --pick") and collecting what it prints, and whether its output is a terminal.
#pragma once

#include <string>

namespace tintora {

struct PickerRun {
  bool started = false;   // false: `why` says why the picker could not be started
  bool finished = false;  // ended on its own, with `exitCode`
  int exitCode = -1;
  std::string output;  // what it printed
  std::string why;
  std::string picker;  // the program it ran
};

// `argv0` is this program's own argv[0], the last resort for finding its folder; `average`
// the sample size the picker takes (1: the one pixel); `device`: the screen's own value, not
// the display profile's sRGB colour.
PickerRun RunPicker(const char* argv0, int average, bool device);

// Whether standard output is a terminal, where each line is wanted as soon as it is made.
bool OutputIsTerminal();

}  // namespace tintora
