// State the user cannot see directly (stay-on-top suspension, the deferred strip redraw, the
// number of propagations), read through the rooms for the tests that must check it.
#pragma once

#include "app/main_window.h"
#include "mixer/colour_selector.h"
#include "mixer/hs_mixer.h"
#include "mixer/value_output.h"

namespace tintora {

struct MainWindowProbe {
  static bool OnTopState(MainWindow& f) { return f.OnTop().OnTopState(); }
  static bool OnTopSuspended(MainWindow& f) { return f.OnTop().OnTopSuspended(); }
  static bool SpectrumRedrawPending(MainWindow& f) { return f.HsMixer().SpectrumRedrawPending(); }
  static int PropagationCount(MainWindow& f) { return f.Values().PropagationCount(); }
  static QString HexRGBText(MainWindow& f) { return QString::fromStdString(f.Active().Value().HexRGBText()); }
  static bool DerivativesLocked(MainWindow& f) { return f.Selector().DerivativesLocked(); }
  static void ToggleCalculateControls(MainWindow& f) { f.HsMixer().ToggleCalculateControls(); }
  static bool MixerFloating(MainWindow& f) { return f.HsMixer().MixerFloating(); }
};

}  // namespace tintora
