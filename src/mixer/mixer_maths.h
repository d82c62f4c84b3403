// The arithmetic behind the mixers and the value field, free of widgets: the active colour
// with its intensity offset, the text the value field shows, preset snapping and nudges.
#pragma once

#include <string>

#include "colour/notations.h"

namespace tintora {

// The active colour as the propagation computes it from the three track bars and the
// intensity offset (-100..100: towards black below 0, towards white above).
struct ActiveColour {
  int red = 0, green = 0, blue = 0;  // with the offset applied, 0..255
  int grey = 128;                    // the offset's own grey level: -100 -> 0, 0 -> 128, 100 -> 255
  std::string hexRGBText;            // RRGGBB
  std::string decimalRGBText;        // the RRGGBB integer in decimal
  std::string hexBGRText;            // BBGGRR
  ColourValue value = 0;             // red in the low byte
};

ActiveColour ComputeActiveColour(int red, int green, int blue, int intensity);

// The notation switches of the value field.
struct NotationSwitches {
  bool html = false;
  bool hexadecimal = true;  // false: decimal
  bool bgr = false;
  bool ieNs = false;
};

// The text of the value field for the active colour: COLOR="name", RRGGBB, BBGGRR or decimal.
std::string HexHTMLText(const ActiveColour& colour, const NotationSwitches& switches);

// The web-safe presets 0, 51, 102, 153, 204, 255: the next one strictly below p (0 wraps to
// 255) and strictly above p (255 wraps to 0).
int SnapDown(int position);
int SnapUp(int position);

// The hue/saturation nudges: hue by 30 degrees within 0..359, a level by 51 within 0..255,
// each wrapping around; `up` is the right mouse button.
int NudgeHue(int position, bool up);
int NudgeLevel(int position, bool up);

}  // namespace tintora
