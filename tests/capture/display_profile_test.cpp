// A display profile applied through LittleCMS, held against LittleCMS's own command-line
// calculator (transicc) on a wide-gamut profile Debian ships; broken profiles are refused.
#include "core/capture/display_profile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "core/colour/colour_spaces.h"

namespace tintora {
namespace {

constexpr const char* kWideGamut = "/usr/share/color/icc/compatibleWithAdobeRGB1998.icc";

std::vector<std::uint8_t> FileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// transicc's sRGB values (0..255, unbounded) for device colours, one line each.
std::vector<Srgb> Transicc(const std::vector<Rgb8>& device) {
  std::ostringstream input;
  for (Rgb8 c : device) input << int{c.red} << ' ' << int{c.green} << ' ' << int{c.blue} << '\n';
  const std::string command = std::string("printf '") + input.str() + "' | transicc -i " + kWideGamut +
                              " -o '*sRGB' -t 1 -n 2>/dev/null";
  std::vector<Srgb> out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    double r, g, b;
    while (std::fscanf(pipe, "%lf %lf %lf", &r, &g, &b) == 3) out.push_back(Srgb{r / 255, g / 255, b / 255});
    pclose(pipe);
  }
  return out;
}

TEST(DisplayProfile, AgreesWithLittleCmsOwnCalculator) {
  const std::vector<std::uint8_t> icc = FileBytes(kWideGamut);
  if (icc.empty())
    GTEST_SKIP() << kWideGamut << " is not here (icc-profiles-free; scripts/setup installs it)";
  const std::vector<Rgb8> device = {
      Rgb8::OfLevels(128, 64, 32),   Rgb8::OfLevels(200, 200, 200), Rgb8::OfLevels(0, 0, 0),
      Rgb8::OfLevels(255, 255, 255), Rgb8::OfLevels(40, 120, 220),  // inside sRGB
      Rgb8::OfLevels(255, 0, 0),     Rgb8::OfLevels(0, 255, 0),     Rgb8::OfLevels(20, 200, 90),  // outside
  };
  const std::vector<Srgb> reference = Transicc(device);
  if (reference.size() != device.size())
    GTEST_SKIP() << "transicc did not answer (liblcms2-utils; scripts/setup installs it)";
  std::string why;
  const std::optional<DisplayProfile> profile = DisplayProfile::Read(icc, why);
  ASSERT_TRUE(profile) << why;
  EXPECT_NE(profile->Description().find("Adobe"), std::string::npos) << profile->Description();
  for (std::size_t i = 0; i < device.size(); ++i) {
    // Outside sRGB the reference goes through the same gamut mapping: what is compared is the
    // profile's arithmetic, not the mapping's.
    const Rgb8 expected = ColourOfSrgb(GamutMapToSrgb(reference[i]));
    const Rgb8 got = profile->ToSrgb(device[i]);
    SCOPED_TRACE(device[i].Hex() + " -> " + expected.Hex());
    EXPECT_LE(std::abs(got.red - expected.red), 1);
    EXPECT_LE(std::abs(got.green - expected.green), 1);
    EXPECT_LE(std::abs(got.blue - expected.blue), 1);
  }
  // A wide-gamut display's pure red is redder than sRGB's: mapped in, it stays a full red.
  EXPECT_EQ(profile->ToSrgb({255, 0, 0}).red, 255);
}

TEST(DisplayProfile, ABrokenProfileIsRefusedWithAReason) {
  std::vector<std::uint8_t> icc = FileBytes(kWideGamut);
  if (icc.empty())
    GTEST_SKIP() << kWideGamut << " is not here (icc-profiles-free; scripts/setup installs it)";
  std::vector<std::uint8_t> scrambled = icc;
  for (std::size_t i = 128; i < scrambled.size(); ++i) scrambled[i] = static_cast<std::uint8_t>(i * 37);
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } broken[] = {
      {"empty", {}},
      {"cut short", std::vector<std::uint8_t>(icc.begin(), icc.begin() + 100)},
      {"not a profile", std::vector<std::uint8_t>(4096, 0x41)},
      {"its tags scrambled", scrambled},
  };
  for (const auto& b : broken) {
    std::string why;
    EXPECT_FALSE(DisplayProfile::Read(b.bytes, why)) << b.what;
    EXPECT_FALSE(why.empty()) << b.what;
  }
}

}  // namespace
}  // namespace tintora
