// Read access to the main window's private state for tests that must see a flag the user
// cannot (stay-on-top suspension, the re-entrancy guards, the working hue).
#pragma once

#include "app/tform1.h"

namespace tintora {

struct TForm1Probe {
  static bool OnTopState(const TForm1& f) { return f.OnTopState; }
  static bool OnTopSuspended(const TForm1& f) { return f.OnTopSuspended; }
  static bool UpdatingMixer(const TForm1& f) { return f.UpdatingMixer; }
  static bool UpdatingHS(const TForm1& f) { return f.UpdatingHS; }
  static bool SpectrumRedrawPending(const TForm1& f) { return f.SpectrumRedrawPending; }
  static long double CurrentHue(const TForm1& f) { return f.CurrentHue; }
  static long double CurrentSaturation(const TForm1& f) { return f.CurrentSaturation; }
  static long double CurrentVibrance(const TForm1& f) { return f.CurrentVibrance; }
  static int PropagationCount(const TForm1& f) { return f.propagationCount_; }
  static QString HexRGBText(const TForm1& f) { return f.HexRGBText; }
  static bool DerivativesLocked(const TForm1& f) { return f.DerivativesLocked; }
  static void ToggleCalculateControls(TForm1& f) { f.ToggleCalculateControls(); }
  static bool MixerFloating(const TForm1& f) { return f.MixerFloating(); }
};

}  // namespace tintora
