// The arithmetic behind the mixers, free of widgets: preset snapping, nudges, and the
// hue/saturation mixer's working state.
#pragma once

namespace tintora {

// The hue/saturation mixer's working state: hue in degrees (the slider can give 360),
// saturation 0..1, vibrance (HSV) or intensity (HSI) 0..255. The harmony colours turn it.
struct HsWorkingValues {
  long double hue = 0, saturation = 0, vibrance = 0;
};

// The web-safe presets 0, 51, 102, 153, 204, 255: the next one strictly below p (0 wraps to
// 255) and strictly above p (255 wraps to 0).
int SnapDown(int position);
int SnapUp(int position);

// The hue/saturation nudges: hue by 30 degrees within 0..359, a level by 51 within 0..255,
// each wrapping around; `up` is the right mouse button.
int NudgeHue(int position, bool up);
int NudgeLevel(int position, bool up);

}  // namespace tintora
