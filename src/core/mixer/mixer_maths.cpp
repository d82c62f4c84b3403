#include "core/mixer/mixer_maths.h"

namespace tintora {

int SnapDown(int p) {
  if (p <= 0) return 255;
  return ((p - 1) / 51) * 51;
}

int SnapUp(int p) {
  if (p >= 255) return 0;
  return (p / 51 + 1) * 51;
}

int NudgeHue(int p, bool up) {
  if (up) {
    p += 30;
    if (p >= 360) p -= 360;
  } else {
    p -= 30;
    if (p < 0) p += 360;
  }
  return p;
}

int NudgeLevel(int p, bool up) {
  if (up) {
    if (p == 255) return 0;
    p += 51;
    if (p > 255) p -= 255;
  } else {
    if (p == 0) return 255;
    p -= 51;
    if (p < 0) p += 255;
  }
  return p;
}

}  // namespace tintora
