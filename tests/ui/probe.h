// State the user cannot see directly (stay-on-top suspension, the deferred strip redraw, the
// number of propagations), read through the rooms for the tests that must check it.
#pragma once

#include "app/tform1.h"
#include "mixer/colour_selector.h"
#include "mixer/hs_mixer.h"
#include "mixer/value_output.h"

namespace tintora {

struct TForm1Probe {
  static bool OnTopState(TForm1& f) { return f.OnTop().OnTopState(); }
  static bool OnTopSuspended(TForm1& f) { return f.OnTop().OnTopSuspended(); }
  static bool SpectrumRedrawPending(TForm1& f) { return f.HsMixer().SpectrumRedrawPending(); }
  static int PropagationCount(TForm1& f) { return f.Values().PropagationCount(); }
  static QString HexRGBText(TForm1& f) { return QString::fromStdString(f.Active().Value().HexRGBText()); }
  static bool DerivativesLocked(TForm1& f) { return f.Selector().DerivativesLocked(); }
  static void ToggleCalculateControls(TForm1& f) { f.HsMixer().ToggleCalculateControls(); }
  static bool MixerFloating(TForm1& f) { return f.HsMixer().MixerFloating(); }
};

}  // namespace tintora
