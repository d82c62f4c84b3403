#include "core/harmony/wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/colour/rounding.h"
#include "core/mixer/spectrum.h"

namespace tintora {

void PixelCanvas::Set(int x, int y, Rgb8 colour) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  pixels[static_cast<std::size_t>(y) * width + x] = colour.Pixel();
}

std::optional<Rgb8> PixelCanvas::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return std::nullopt;
  return Rgb8::OfPixel(pixels[static_cast<std::size_t>(y) * width + x]);
}

namespace {

constexpr long double kTwoPi = 2 * std::numbers::pi_v<long double>;

// Clockwise angle of a point from twelve o'clock, in 0..2 pi.
long double ClockAngle(long double dx, long double dy) {
  long double a = std::atan2(dx, -dy);
  if (a < 0) a += kTwoPi;
  return a;
}

}  // namespace

PieShape PieSectionShape(int r, float a1, float a2) {
  const auto rayEnd = [r](float a) {
    return std::pair{Round(std::sin(static_cast<long double>(a)) * r),
                     Round(std::cos(static_cast<long double>(a)) * r)};
  };
  const long double span = static_cast<long double>(a2) - a1;
  if (rayEnd(a1) == rayEnd(a2)) return std::fabs(span) > 3.14L ? PieShape::Disc : PieShape::Nothing;
  return span >= kTwoPi ? PieShape::Disc : PieShape::Sector;
}

void DrawPieSection(PixelCanvas& canvas, int x, int y, int r, float a1, float a2, const PieStyle& style) {
  const PieShape shape = PieSectionShape(r, a1, a2);
  if (shape == PieShape::Nothing) return;
  const bool fullDisc = shape == PieShape::Disc;
  long double start = std::fmod(static_cast<long double>(a1), kTwoPi);
  if (start < 0) start += kTwoPi;
  const long double span = static_cast<long double>(a2) - a1;

  // Which pixels the shape covers; the pen then outlines the covered region.
  const int w = canvas.width, h = canvas.height;
  std::vector<char> inside(static_cast<std::size_t>(w) * h, 0);
  const long double r2 = static_cast<long double>(r) * r;
  for (int py = std::max(0, y - r - 1); py <= std::min(h - 1, y + r); ++py) {
    for (int px = std::max(0, x - r - 1); px <= std::min(w - 1, x + r); ++px) {
      const long double dx = px + 0.5L - x, dy = py + 0.5L - y;
      if (dx * dx + dy * dy > r2) continue;
      if (!fullDisc) {
        long double rel = ClockAngle(dx, dy) - start;
        if (rel < 0) rel += kTwoPi;
        if (rel > span) continue;
      }
      inside[static_cast<std::size_t>(py) * w + px] = 1;
    }
  }
  auto in = [&](int px, int py) {
    return px >= 0 && py >= 0 && px < w && py < h && inside[static_cast<std::size_t>(py) * w + px];
  };
  for (int py = 0; py < h; ++py) {
    for (int px = 0; px < w; ++px) {
      if (!in(px, py)) continue;
      const bool edge = !in(px - 1, py) || !in(px + 1, py) || !in(px, py - 1) || !in(px, py + 1);
      if (edge && style.pen) {
        canvas.Set(px, py, *style.pen);
      } else if (style.brush) {
        canvas.Set(px, py, *style.brush);
      }
    }
  }
}

namespace {

// A pie starting at twelve o'clock, as the wheel draws them; nullopt when it is skipped.
std::optional<bool> SectionKind(int r, float a2) {
  switch (PieSectionShape(r, 0.0f, a2)) {
    case PieShape::Nothing:
      return std::nullopt;
    case PieShape::Disc:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::vector<WheelSection> ColourWheelSections(int r, int divisions, const HueOffsetColour& colourAt) {
  if (divisions == 0) divisions = 2;
  const float step = 360.0f / static_cast<float>(divisions);
  float angle = 360.0f - step;
  constexpr long double kDegree = 0.0174532925L;
  std::vector<WheelSection> sections;
  while (angle > 0) {
    const float a2 = static_cast<float>(angle * kDegree);
    if (auto full = SectionKind(r, a2))
      sections.push_back(
          {static_cast<long double>(a2), *full, colourAt(static_cast<int>(std::trunc(angle)))});
    angle -= step;
  }
  return sections;
}

void DrawColourWheel(PixelCanvas& canvas, int divisions, Rgb8 activeColour, bool wheelOutline,
                     bool colourBorders, const HueOffsetColour& colourAt) {
  if (divisions == 0) divisions = 2;
  const float step = 360.0f / static_cast<float>(divisions);
  float angle = 360.0f - step;
  constexpr long double kDegree = 0.0174532925L;

  for (int py = 0; py < canvas.height; ++py)
    for (int px = 0; px < canvas.width; ++px) canvas.Set(px, py, activeColour);

  const int cx = canvas.width / 2, cy = canvas.height / 2, r = canvas.height / 2;
  if (wheelOutline) {
    DrawPieSection(canvas, cx, cy, r, static_cast<float>(-kDegree), static_cast<float>(angle * kDegree),
                   {kWheelOutlineColour, kWheelOutlineColour});
  }

  // The sections all start at twelve o'clock and shrink as they are drawn, so a pixel ends up
  // with the last-drawn section that covers it. Finding that one per pixel gives the same
  // picture as painting every section in turn, at a fraction of the cost.
  const std::vector<WheelSection> sections = ColourWheelSections(r - 1, divisions, colourAt);
  if (sections.empty()) return;
  int lastFull = -1;
  std::vector<int> partial;  // indices of partial sections, ends decreasing
  for (int i = 0; i < static_cast<int>(sections.size()); ++i) {
    if (sections[static_cast<std::size_t>(i)].full) {
      lastFull = i;
    } else {
      partial.push_back(i);
    }
  }

  const int w = canvas.width, h = canvas.height;
  const int rr = r - 1;
  const long double r2 = static_cast<long double>(rr) * rr;
  std::vector<long double> theta(static_cast<std::size_t>(w) * h, -1);  // -1: outside the disc
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) {
      const long double dx = px + 0.5L - cx, dy = py + 0.5L - cy;
      if (dx * dx + dy * dy <= r2) theta[static_cast<std::size_t>(py) * w + px] = ClockAngle(dx, dy);
    }
  auto covers = [&](int i, int px, int py) {
    if (px < 0 || py < 0 || px >= w || py >= h) return false;
    const long double t = theta[static_cast<std::size_t>(py) * w + px];
    if (t < 0) return false;
    const WheelSection& s = sections[static_cast<std::size_t>(i)];
    return s.full || t <= s.end;
  };
  for (int py = 0; py < h; ++py) {
    for (int px = 0; px < w; ++px) {
      const long double t = theta[static_cast<std::size_t>(py) * w + px];
      if (t < 0) continue;
      // Last partial section whose end is at or beyond t: ends decrease along `partial`.
      int lo = 0, hi = static_cast<int>(partial.size());
      while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (sections[static_cast<std::size_t>(partial[static_cast<std::size_t>(mid)])].end >= t) {
          lo = mid + 1;
        } else {
          hi = mid;
        }
      }
      const int lastPartial = lo > 0 ? partial[static_cast<std::size_t>(lo - 1)] : -1;
      const int i = std::max(lastPartial, lastFull);
      if (i < 0) continue;
      const bool edge = !covers(i, px - 1, py) || !covers(i, px + 1, py) || !covers(i, px, py - 1) ||
                        !covers(i, px, py + 1);
      canvas.Set(px, py,
                 edge && colourBorders ? kWheelBorderColour : sections[static_cast<std::size_t>(i)].brush);
    }
  }
}

}  // namespace tintora
