// Helpers for carrying colours into a design system: a way out of a failing contrast, a scale of
// eleven steps from one colour, and the pairs of a palette that a colour-vision deficiency
// makes hard to tell apart. Colours are 8-bit sRGB; the arithmetic is OKLab and OKLCH.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour/colour_vision.h"
#include "core/colour/rgb8.h"

namespace tintora {

// ---------------------------------------------------------------- contrast

// The WCAG 2 ratios a pair must reach.
enum class ContrastTarget { AA, AAA, AALarge };
// "AA", "AAA", "AA-large" (any case); nothing for another word.
std::optional<ContrastTarget> ContrastTargetOf(std::string_view word);
double RatioNeeded(ContrastTarget target);

// The ratio rounded down to two decimals, as "4.49:1": never up, so 4.499 does not read as 4.50.
std::string RatioRoundedDown(double ratio);
// The first line and one line each for AA and AAA, normal and large text: "AA normal text: pass".
std::vector<std::string> ContrastReport(Rgb8 foreground, Rgb8 background);

// The colour nearest `foreground` (by deltaE in OKLab) that reaches `target` against
// `background`: its OKLCH lightness moved, lighter or darker, whichever is nearer, its hue kept,
// its chroma given up only where sRGB cannot hold it at that lightness. The colour itself when it
// already reaches the target; nothing when neither white nor black would (only AAA against a
// mid grey comes near that: every background has a ratio of at least 4.58 against one of them).
std::optional<Rgb8> FixContrast(Rgb8 foreground, Rgb8 background, ContrastTarget target);

// ---------------------------------------------------------------- scales

inline constexpr std::array<int, 11> kScaleSteps = {50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 950};
// Eleven steps from near white to near black in the manner of Tailwind's palettes: OKLCH
// lightness falling steadily, hue kept, chroma tapering towards both ends and always in sRGB.
// The colour itself is exactly the step whose lightness it is nearest.
std::array<Rgb8, 11> ColourScale(Rgb8 colour);

// ---------------------------------------------------------------- colour vision

// Two entries of a list that look alike to someone with a colour-vision deficiency: their
// indexes, and their distance (deltaE in OKLab) as seen and as they are.
struct LookAlikePair {
  std::size_t first = 0, second = 0;
  double seenDistance = 0, trueDistance = 0;
};
// The pairs, nearest first, that `vision` brings within `threshold` (deltaE OK) of each other
// though they were further apart than that to begin with. Identical colours are no finding.
std::vector<LookAlikePair> LookAlikePairs(const std::vector<Rgb8>& colours, ColourVision vision,
                                          double threshold = 0.05);
// "protanopia", "deuteranopia", "tritanopia", "achromatopsia" (any case).
std::optional<ColourVision> ColourVisionOf(std::string_view word);

}  // namespace tintora
