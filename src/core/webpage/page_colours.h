// The five colours of a web page's BODY element as the sample page tries them out, the
// attribute text the copies put on the clipboard, and how readable the text and links are on
// the background (WCAG 2 contrast).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/colour/rgb8.h"

namespace tintora {

enum class PageRole { Background, Text, Link, ActiveLink, VisitedLink };
inline constexpr std::array<PageRole, 5> kPageRoles = {PageRole::Background, PageRole::Text, PageRole::Link,
                                                       PageRole::ActiveLink, PageRole::VisitedLink};
// The four drawn on the background.
inline constexpr std::array<PageRole, 4> kForegroundRoles = {PageRole::Text, PageRole::Link,
                                                             PageRole::ActiveLink, PageRole::VisitedLink};

// BGCOLOR, TEXT, LINK, ALINK, VLINK.
const char* AttributeName(PageRole role);

struct PageColours {
  // White page, black text, blue links, black active links, purple visited links.
  std::array<Rgb8, 5> colours = {Rgb8{255, 255, 255}, Rgb8{0, 0, 0}, Rgb8{0, 0, 255}, Rgb8{0, 0, 0},
                                 Rgb8{128, 0, 128}};
  Rgb8& operator[](PageRole r) { return colours[static_cast<std::size_t>(r)]; }
  Rgb8 operator[](PageRole r) const { return colours[static_cast<std::size_t>(r)]; }
};

// The attributes of the chosen roles, in the order BGCOLOR, TEXT, LINK, ALINK, VLINK, each
// NAME="#RRGGBB" (or with `htmlNames`, NAME="name" for the sixteen HTML colours), separated
// by blanks. `webSafe`: each colour made web-safe first.
std::string PageAttributes(const PageColours& page, const std::vector<PageRole>& roles, bool htmlNames,
                           bool webSafe);

// The relative luminance of an sRGB colour (0 black .. 1 white), as WCAG 2 defines it.
double RelativeLuminance(Rgb8 colour);
// (lighter + 0.05) / (darker + 0.05): 1 .. 21.
double ContrastRatio(Rgb8 a, Rgb8 b);
// "4.48:1": rounded to two decimals, except that a ratio just below a level's threshold is
// never shown as reaching it (4.499 reads 4.49, not 4.50).
std::string RatioText(double ratio);

// The best WCAG 2 level a ratio reaches for normal text (AA 4.5, AAA 7) or large text (AA 3,
// AAA 4.5).
enum class ContrastLevel { Fails, AA, AAA };
ContrastLevel NormalTextLevel(double ratio);
ContrastLevel LargeTextLevel(double ratio);
const char* LevelText(ContrastLevel level);

}  // namespace tintora
