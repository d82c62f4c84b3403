#include "core/colour/css_parts.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/colour/css_text.h"

namespace tintora::css_parts {

using namespace css_text;

std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 48;
  std::string out = "\"";
  std::size_t cut = text.size();
  if (cut > kShown) {
    cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters
  }
  for (std::size_t i = 0; i < cut; ++i) out += static_cast<unsigned char>(text[i]) < 0x20 ? ' ' : text[i];
  if (cut < text.size()) out += "...";
  return out + "\"";
}

bool ReadComponent(std::string_view token, Component& out, std::string& why) {
  out.text = token;
  if (SameWord(token, "none")) {
    out.kind = Component::None;
    out.value = 0;
    return true;
  }
  std::string_view s = token;
  if (s.size() > 1 && s.front() == '+' && s[1] != '-' && s[1] != '+') s.remove_prefix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec == std::errc::result_out_of_range || (ec == std::errc() && !std::isfinite(v))) {
    why = Quoted(token) + " is out of range";
    return false;
  }
  if (ec != std::errc() || (end != s.data() + s.size() && (*end == '.' || *end == 'e' || *end == 'E'))) {
    why = Quoted(token) + " is not a number";
    return false;
  }
  const std::string_view unit = s.substr(static_cast<std::size_t>(end - s.data()));
  out.value = v;
  if (unit.empty()) {
    out.kind = Component::Number;
  } else if (unit == "%") {
    out.kind = Component::Percent;
  } else {
    static constexpr struct {
      std::string_view unit;
      double degrees;
    } kAngles[] = {{"deg", 1}, {"grad", 0.9}, {"rad", 180 / 3.14159265358979323846}, {"turn", 360}};
    const auto* angle = std::find_if(std::begin(kAngles), std::end(kAngles),
                                     [&](const auto& a) { return SameWord(unit, a.unit); });
    if (angle == std::end(kAngles)) {
      why = Quoted(token) + ": a colour takes no unit " + Quoted(unit);
      return false;
    }
    out.kind = Component::Angle;
    // Reduced within a turn in its own unit first: 1e308turn is a whole number of turns, not
    // an overflow.
    out.value = std::fmod(v, 360 / angle->degrees) * angle->degrees;
  }
  return true;
}

bool Check(const Component& c, unsigned accepts, std::string& why) {
  if (c.kind == Component::None) return true;
  if (c.kind == Component::Number && (accepts & kNumber)) return true;
  if (c.kind == Component::Percent && (accepts & kPercent)) return true;
  if (c.kind == Component::Angle && (accepts & kAngle)) return true;
  if (c.kind == Component::Angle)
    why = Quoted(c.text) + ": an angle belongs only in a hue";
  else if (c.kind == Component::Percent)
    why = Quoted(c.text) + ": a hue takes a number or an angle, not a percentage";
  else
    why = Quoted(c.text) + ": a percentage belongs here";
  return false;
}

double Scaled(const Component& c, double full) {
  return c.kind == Component::Percent ? c.value * full / 100 : c.value;
}

double Hue(const Component& c) {
  double h = std::fmod(c.value, 360);
  return h < 0 ? h + 360 : h;
}

bool Split(std::string_view inside, Arguments& args, std::string& why) {
  char pending = 0;  // the separator since the last component: ' ', ',' or '/'
  std::size_t i = 0;
  while (true) {
    const std::size_t before = i;
    while (i < inside.size() && IsBlank(inside[i])) ++i;
    if (i > before && pending == 0 && args.count > 0) pending = ' ';
    if (i >= inside.size()) break;
    const char c = inside[i];
    if (c == ',' || c == '/') {
      if (args.count == 0) {
        why = c == ',' ? "an extra comma before the first component" : "\"/\" before the first component";
        return false;
      }
      if (pending == ',' || pending == '/') {
        why = pending == ',' && c == ',' ? "an extra comma" : "commas mixed with \"/\"";
        return false;
      }
      if (c == '/') {
        if (args.slashAt != 0) {
          why = "more than one \"/\"";
          return false;
        }
        args.slashAt = args.count;
      } else {
        ++args.commas;
      }
      pending = c;
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < inside.size() && !IsBlank(inside[i]) && inside[i] != ',' && inside[i] != '/') ++i;
    const std::string_view token = inside.substr(start, i - start);
    if (token.find_first_of("()") != std::string_view::npos) {
      why = Quoted(token) + ": functions inside a colour (calc(), var()) are not read";
      return false;
    }
    if (args.count == args.items.size()) {
      why = "too many components";
      return false;
    }
    if (pending == ' ') ++args.blanksOnly;
    args.items[args.count].text = token;
    ++args.count;
    pending = 0;
  }
  if (pending == ',') {
    why = "an extra comma after the last component";
    return false;
  }
  if (pending == '/') {
    why = "nothing after \"/\"";
    return false;
  }
  if (args.commas > 0 && args.slashAt != 0) {
    why = "commas mixed with \"/\"";
    return false;
  }
  if (args.commas > 0 && args.blanksOnly > 0) {
    why = "a comma is missing between components";
    return false;
  }
  return true;
}

}  // namespace tintora::css_parts
