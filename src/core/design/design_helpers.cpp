#include "core/design/design_helpers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/colour/colour_spaces.h"
#include "core/webpage/page_colours.h"

namespace tintora {

namespace {

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (x >= 'A' && x <= 'Z' ? x - 'A' + 'a' : x) == y;
         });
}

Oklab OklabOf(Rgb8 c) { return Oklab{FromSrgb(ColourSpace::Oklab, SrgbOfColour(c))}; }
Oklch OklchOf(Rgb8 c) { return Oklch{FromSrgb(ColourSpace::Oklch, SrgbOfColour(c))}; }
// A colour of OKLCH lightness, chroma and hue, brought into sRGB by giving up chroma alone.
Rgb8 InSrgb(double lightness, double chroma, double hue) {
  return ColourOfSrgb(GamutMapOklchToSrgb(Oklch{{lightness, chroma, hue}}));
}

}  // namespace

std::optional<ContrastTarget> ContrastTargetOf(std::string_view word) {
  if (SameWord(word, "aa")) return ContrastTarget::AA;
  if (SameWord(word, "aaa")) return ContrastTarget::AAA;
  if (SameWord(word, "aa-large")) return ContrastTarget::AALarge;
  return std::nullopt;
}

double RatioNeeded(ContrastTarget target) {
  switch (target) {
    case ContrastTarget::AAA:
      return 7;
    case ContrastTarget::AALarge:
      return 3;
    case ContrastTarget::AA:
      break;
  }
  return 4.5;
}

std::string RatioRoundedDown(double ratio) {
  // A hair of slack for ratios such as 4.5 that binary arithmetic lands just below.
  const double hundredths = std::floor(ratio * 100 + 1e-9);
  char text[32];
  std::snprintf(text, sizeof text, "%.2f:1", hundredths / 100);
  return text;
}

std::vector<std::string> ContrastReport(Rgb8 foreground, Rgb8 background) {
  const double ratio = ContrastRatio(foreground, background);
  const struct {
    const char* what;
    double needed;
  } levels[] = {
      {"AA normal text", 4.5}, {"AAA normal text", 7}, {"AA large text", 3}, {"AAA large text", 4.5}};
  std::vector<std::string> lines = {RatioRoundedDown(ratio)};
  for (const auto& level : levels)
    lines.push_back(std::string(level.what) + ": " + (ratio >= level.needed ? "pass" : "fail"));
  return lines;
}

std::optional<Rgb8> FixContrast(Rgb8 foreground, Rgb8 background, ContrastTarget target) {
  const double needed = RatioNeeded(target);
  if (ContrastRatio(foreground, background) >= needed) return foreground;
  const Oklch own = OklchOf(foreground);
  const Oklab ownLab = OklabOf(foreground);
  const double backgroundLuminance = RelativeLuminance(background);
  // Reached on the lighter side: lighter than the background and far enough from it (and on the
  // darker side the mirror); along one side that only grows more true, so it can be halved to.
  auto reaches = [&](Rgb8 c, bool lighter) {
    const double y = RelativeLuminance(c);
    return (lighter ? y > backgroundLuminance : y < backgroundLuminance) &&
           ContrastRatio(c, background) >= needed;
  };
  std::optional<Rgb8> best;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const bool lighter : {true, false}) {
    double failing = own[0], reaching = lighter ? 1.0 : 0.0;
    if (!reaches(InSrgb(reaching, own[1], own[2]), lighter)) continue;
    for (int i = 0; i < 40 && std::abs(reaching - failing) > 1e-7; ++i) {
      const double middle = (failing + reaching) / 2;
      (reaches(InSrgb(middle, own[1], own[2]), lighter) ? reaching : failing) = middle;
    }
    const Rgb8 found = InSrgb(reaching, own[1], own[2]);
    const double distance = DeltaEOK(ownLab, OklabOf(found));
    if (distance < bestDistance) {
      best = found;
      bestDistance = distance;
    }
  }
  return best;
}

std::array<Rgb8, 11> ColourScale(Rgb8 colour) {
  // Where each step's lightness lies in a scale of a colour of middling lightness: steps close
  // together at the light end, where the eye tells small differences apart, wider in the middle.
  // Greys reach further down than colours do (a colour's darkest steps keep some of its hue).
  constexpr std::array<double, 11> kColourful = {0.973, 0.940, 0.892, 0.824, 0.727, 0.655,
                                                 0.580, 0.508, 0.441, 0.390, 0.272};
  constexpr std::array<double, 11> kGrey = {0.984, 0.965, 0.922, 0.868, 0.708, 0.554,
                                            0.443, 0.372, 0.276, 0.208, 0.140};
  const Oklch own = OklchOf(colour);
  const double l0 = std::clamp(own[0], 0.0, 1.0);
  const double colourful = std::clamp(own[1] / 0.06, 0.0, 1.0);
  std::array<double, 11> kTemplate;
  for (std::size_t i = 0; i < kTemplate.size(); ++i)
    kTemplate[i] = colourful * kColourful[i] + (1 - colourful) * kGrey[i];
  std::size_t k = 0;
  for (std::size_t i = 1; i < kTemplate.size(); ++i)
    if (std::abs(kTemplate[i] - l0) < std::abs(kTemplate[k] - l0)) k = i;
  // The template stretched on each side of the colour's own step to reach as far as it did.
  const double top = std::max(kTemplate.front(), (l0 + 1) / 2);
  const double bottom = std::min(kTemplate.back(), l0 / 2);
  std::array<Rgb8, 11> scale;
  for (std::size_t i = 0; i < scale.size(); ++i) {
    if (i == k) {
      scale[i] = colour;
      continue;
    }
    double l = 0, chroma = 0;
    if (i < k) {
      l = l0 + (kTemplate[i] - kTemplate[k]) * (top - l0) / (kTemplate.front() - kTemplate[k]);
      // Chroma tapers as the step nears white, as a tint does.
      chroma = own[1] * std::pow(std::clamp((1 - l) / std::max(1 - l0, 1e-6), 0.0, 1.0), 1.1);
    } else {
      l = l0 - (kTemplate[k] - kTemplate[i]) * (l0 - bottom) / (kTemplate[k] - kTemplate.back());
      // Shades keep their chroma for the first steps and lose it only near black.
      chroma = own[1] * std::pow(std::clamp(l / std::max(l0, 1e-6) / 0.75, 0.0, 1.0), 1.5);
    }
    scale[i] = InSrgb(l, chroma, own[2]);
  }
  return scale;
}

std::vector<LookAlikePair> LookAlikePairs(const std::vector<Rgb8>& colours, ColourVision vision,
                                          double threshold) {
  std::vector<Oklab> seen, real;
  seen.reserve(colours.size());
  real.reserve(colours.size());
  for (Rgb8 c : colours) {
    real.push_back(OklabOf(c));
    seen.push_back(OklabOf(SimulateColourVision(c, vision)));
  }
  std::vector<LookAlikePair> pairs;
  for (std::size_t a = 0; a < colours.size(); ++a)
    for (std::size_t b = a + 1; b < colours.size(); ++b) {
      const double seenDistance = DeltaEOK(seen[a], seen[b]);
      if (seenDistance >= threshold) continue;
      const double trueDistance = DeltaEOK(real[a], real[b]);
      if (trueDistance >= threshold) pairs.push_back({a, b, seenDistance, trueDistance});
    }
  std::stable_sort(pairs.begin(), pairs.end(), [](const LookAlikePair& x, const LookAlikePair& y) {
    return x.seenDistance < y.seenDistance;
  });
  return pairs;
}

std::optional<ColourVision> ColourVisionOf(std::string_view word) {
  for (const auto& [name, vision] : {std::pair{"protanopia", ColourVision::Protanopia},
                                     std::pair{"deuteranopia", ColourVision::Deuteranopia},
                                     std::pair{"tritanopia", ColourVision::Tritanopia},
                                     std::pair{"achromatopsia", ColourVision::Achromatopsia}})
    if (SameWord(word, name)) return vision;
  return std::nullopt;
}

}  // namespace tintora
