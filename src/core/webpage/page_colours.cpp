#include "core/webpage/page_colours.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/colour/named_colours.h"
#include "core/colour/websafe.h"

namespace tintora {

const char* AttributeName(PageRole role) {
  switch (role) {
    case PageRole::Background:
      return "BGCOLOR";
    case PageRole::Text:
      return "TEXT";
    case PageRole::Link:
      return "LINK";
    case PageRole::ActiveLink:
      return "ALINK";
    case PageRole::VisitedLink:
      return "VLINK";
  }
  return "";
}

std::string PageAttributes(const PageColours& page, const std::vector<PageRole>& roles, bool htmlNames,
                           bool webSafe) {
  std::string text;
  for (PageRole role : kPageRoles) {
    if (std::find(roles.begin(), roles.end(), role) == roles.end()) continue;
    std::string hex = page[role].Hex();
    if (webSafe) hex = ConvertRGBToWebSafe(hex);
    if (!text.empty()) text += ' ';
    // A name comes as it is; a value without one as "#" and its digits.
    text += std::string(AttributeName(role)) + (htmlNames ? "=\"" : "=\"#") +
            HEXtoHTMLColour(hex, htmlNames) + "\"";
  }
  return text;
}

namespace {
double Linear(int component) {
  const double c = component / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double RelativeLuminance(Rgb8 colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb8 a, Rgb8 b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string RatioText(double ratio) {
  double shown = std::round(ratio * 100) / 100;
  for (double threshold : {3.0, 4.5, 7.0})
    if (ratio < threshold && shown >= threshold) shown = std::floor(ratio * 100) / 100;
  char text[32];
  std::snprintf(text, sizeof text, "%.2f:1", shown);
  return text;
}

ContrastLevel NormalTextLevel(double ratio) {
  return ratio >= 7 ? ContrastLevel::AAA : ratio >= 4.5 ? ContrastLevel::AA : ContrastLevel::Fails;
}

ContrastLevel LargeTextLevel(double ratio) {
  return ratio >= 4.5 ? ContrastLevel::AAA : ratio >= 3 ? ContrastLevel::AA : ContrastLevel::Fails;
}

const char* LevelText(ContrastLevel level) {
  switch (level) {
    case ContrastLevel::AAA:
      return "AAA";
    case ContrastLevel::AA:
      return "AA";
    case ContrastLevel::Fails:
      return "fails";
  }
  return "";
}

}  // namespace tintora
