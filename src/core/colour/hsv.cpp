#include "core/colour/hsv.h"

#include <algorithm>

#include "core/colour/conversion_error.h"
#include "core/colour/maths.h"
#include "core/colour/notations.h"
#include "core/colour/number_text.h"
#include "core/colour/rounding.h"

namespace tintora {

namespace {

const std::string kDegree = "\u00B0";

// Round(x * 100000) / 1000 as general number text, the mixer's three-decimal percentages.
std::string ThreeDecimalPercent(long double fraction) {
  return GeneralNumberText(static_cast<long double>(Round(fraction * 100000)) / 1000) + "%";
}

std::string HueText(long double hue) {
  return GeneralNumberText(static_cast<long double>(Round(hue * 1000)) / 1000) + kDegree;
}

bool Distorted(const RgbReal& c) { return c.red > 255 || c.green > 255 || c.blue > 255; }

// The end of every conversion into the hue/saturation mixer: the positions and texts of its
// three rows from the hue, saturation and vibrance worked out.
void WriteMixerControls(HsMixerReadout& r) {
  if (r.vibrance > 0) {
    r.intensityPosition = static_cast<int>(Round(r.vibrance));
    r.intensityText = ThreeDecimalPercent(r.vibrance / 255);
  } else {
    r.vibrance = 0;
    r.intensityPosition = 0;
    r.intensityText = "0%";
  }
  r.saturationPosition = static_cast<int>(Round(r.saturation * 255));
  r.saturationText = ThreeDecimalPercent(r.saturation * 255 / 255);
  r.huePosition = static_cast<int>(Round(r.hue));
  r.hueText = HueText(r.hue);
}

}  // namespace

long double RGBDecToHue(long double r, long double g, long double b) {
  const long double mx = Max3(r, g, b);
  const long double mn = Min3(r, g, b);
  long double d = mx - mn;
  if (d == 0) d = 1;
  long double h;
  if (mx == r) {
    h = (g - b) / d;
  } else if (mx == g) {
    h = (b - r) / d + 2;
  } else {
    h = (r - g) / d + 4;
  }
  h *= 60;
  if (h < 0) h += 360;
  return h;
}

long double RGBDecToSaturation(long double r, long double g, long double b) {
  const long double mx = Max3(r, g, b);
  const long double mn = Min3(r, g, b);
  if (mx == 0) return 0;  // black; also keeps a division by zero out
  const long double s = (mx - mn) / mx;
  return s < 0 ? 0 : s;
}

long double RGBDecToVibrance(long double r, long double g, long double b) { return Max3(r, g, b); }

namespace {
RgbReal ComponentsOf(std::string_view hex) {
  return {static_cast<long double>(ExtractColour(hex, 1)), static_cast<long double>(ExtractColour(hex, 2)),
          static_cast<long double>(ExtractColour(hex, 3))};
}
}  // namespace

long double RGBHexToHue(std::string_view hex) {
  const RgbReal c = ComponentsOf(hex);
  return RGBDecToHue(c.red, c.green, c.blue);
}
long double RGBHexToSaturation(std::string_view hex) {
  const RgbReal c = ComponentsOf(hex);
  return RGBDecToSaturation(c.red, c.green, c.blue);
}
long double RGBHexToVibrance(std::string_view hex) {
  const RgbReal c = ComponentsOf(hex);
  return RGBDecToVibrance(c.red, c.green, c.blue);
}

RgbReal HsvSectorComponents(long double h, long double s, long double v) {
  if (h != 0) h = h / 60;
  const long long i = Trunc(h);
  const long double f = h - static_cast<long double>(i);
  const long double p = (1 - s) * v;
  const long double q = (1 - s * f) * v;
  const long double t = (1 - (1 - f) * s) * v;
  switch (i) {
    case 0:
      return {v, t, p};
    case 1:
      return {q, v, p};
    case 2:
      return {p, v, t};
    case 3:
      return {p, q, v};
    case 4:
      return {t, p, v};
    default:
      return {v, p, q};
  }
}

std::string HSVtoRGBHEX(long double hue, long double saturation, long double vibrance) {
  if (hue >= 360) hue -= 360;
  const RgbReal c = HsvSectorComponents(hue, saturation, vibrance);
  return RGBDecToHex(c.red, c.green, c.blue);
}

Rgb8 HsvToRgb8(long double hue, long double saturation, long double vibrance) {
  if (hue >= 360) hue -= 360;
  const RgbReal c = HsvSectorComponents(hue, saturation, vibrance);
  auto byte = [](long double x) {
    return static_cast<std::uint8_t>(std::clamp<long long>(Round(x), 0, 255));
  };
  return {byte(c.red), byte(c.green), byte(c.blue)};
}

HsMixerReadout RGBtoHSV(int red, int green, int blue) {
  HsMixerReadout r;
  r.hue = RGBDecToHue(red, green, blue);
  r.saturation = RGBDecToSaturation(red, green, blue);
  r.vibrance = RGBDecToVibrance(red, green, blue);
  WriteMixerControls(r);
  r.distortion = red > 255 || green > 255 || blue > 255;
  return r;
}

HsToRgbResult HSVtoRGB(long double hue, long double saturation, long double vibrance) {
  HsToRgbResult r;
  // The hue slider can give 360; here it means red again (HSVtoRGBHEX subtracts instead).
  const long double h = hue >= 360 ? 0 : hue;
  r.rgb = HsvSectorComponents(h, saturation, vibrance);
  r.distortion = Distorted(r.rgb);
  r.hueText = HueText(hue);
  r.saturationText = CalculatePercentString(3, saturation * 255, 255);
  r.intensityText = CalculatePercentString(3, vibrance, 255);
  return r;
}

std::optional<std::string> BrightnessHint(long double m) {
  if (m == 0) return std::nullopt;
  if (m > 255) m = 255;
  m = static_cast<long double>(Round(m / 255 * 100000)) / 1000;
  return "Brightness = " + GeneralNumberText(m) + "%";
}

HsMixerReadout HSICalculate(int red, int green, int blue) {
  HsMixerReadout r;
  const long double rr = red, gg = green, bb = blue;
  const long double sum = rr + gg + bb;
  r.vibrance = sum == 0 ? 0 : sum / 3;
  r.intensityHint = BrightnessHint(Max3(rr, gg, bb));

  const long double mn = Min3(rr, gg, bb);
  if (r.vibrance - mn == 0 || r.vibrance == 0) {
    r.saturation = 0;
  } else {
    r.saturation = (r.vibrance - mn) / r.vibrance;
  }
  if (r.saturation < 0) r.saturation = 0;

  const long double r1 = rr - mn, g1 = gg - mn, b1 = bb - mn;
  long double hue = 0;
  // The tests run one after the other; a later one overrides an earlier one.
  if (b1 == 0) {
    if (g1 > r1) {
      hue = r1 == 0 ? 120 : 120 - (r1 / g1) * 60;
    } else {
      hue = g1 == 0 ? 0 : (g1 / r1) * 60;
    }
  }
  if (r1 == 0) {
    if (b1 > g1) {
      hue = g1 == 0 ? 240 : 240 - (g1 / b1) * 60;
    } else {
      hue = b1 == 0 ? 120 : (b1 / g1) * 60 + 120;
    }
  }
  if (g1 == 0) {
    if (r1 > b1) {
      hue = b1 == 0 ? 0 : 360 - (b1 / r1) * 60;
    } else {
      hue = r1 == 0 ? 240 : (r1 / b1) * 60 + 240;
    }
  }
  if (r1 == 0 && g1 == 0 && b1 == 0) hue = 0;
  r.hue = hue;

  WriteMixerControls(r);
  r.distortion = false;
  return r;
}

HsToRgbResult HSI_to_RGB_Calc(long double h, long double s, long double i) {
  HsToRgbResult r;
  const long double x = i - s * i;  // the smallest component
  const long double total = 3 * i;
  const long double d = total - 3 * x;
  long double red = 0, green = 0, blue = 0;
  if (h >= 0 && h < 120) {
    blue = x;
    if (h < 60) {
      const long double red0 = d / (h / 60 + 1);
      green = d - red0 + x;
      red = red0 + x;
    } else {
      const long double green0 = d / ((120 - h) / 60 + 1);
      red = d - green0 + x;
      green = green0 + x;
    }
  } else if (h >= 120 && h < 240) {
    red = x;
    if (h < 180) {
      const long double green0 = d / ((h - 120) / 60 + 1);
      blue = d - green0 + x;
      green = green0 + x;
    } else {
      const long double blue0 = d / ((240 - h) / 60 + 1);
      green = d - blue0 + x;
      blue = blue0 + x;
    }
  } else if (h >= 240 && h <= 360) {
    green = x;
    if (h < 300) {
      const long double blue0 = d / ((h - 240) / 60 + 1);
      red = d - blue0 + x;
      blue = blue0 + x;
    } else {
      const long double red0 = d / ((360 - h) / 60 + 1);
      blue = d - red0 + x;
      red = red0 + x;
    }
  }
  r.rgb = {red, green, blue};
  r.intensityHint = BrightnessHint(Max3(red, green, blue));
  r.distortion = Distorted(r.rgb);
  r.hueText = HueText(h);
  r.saturationText = ThreeDecimalPercent(s * 255 / 255);
  r.intensityText = ThreeDecimalPercent(i / 255);
  return r;
}

}  // namespace tintora
