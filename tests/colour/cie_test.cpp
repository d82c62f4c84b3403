#include "core/colour/cie.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

double D(std::optional<long double> v) { return static_cast<double>(v.value()); }

struct RgbLab {
  int r, g, b;
  double x, y, z, l, a, bb;
};

TEST(Cie, RgbToXyzToLab) {
  const RgbLab cases[] = {
      {255, 0, 0, 41.2453, 21.2671, 1.9334, 53.2406, 80.0923, 67.2028},
      {255, 255, 255, 95.0456, 100.0, 108.8754, 100.0, 0, 0},
      {0, 0, 0, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
    const double x = D(RGBToXYZ(1, c.r, c.g, c.b)), y = D(RGBToXYZ(2, c.r, c.g, c.b)),
                 z = D(RGBToXYZ(3, c.r, c.g, c.b));
    EXPECT_NEAR(x, c.x, 5e-5);
    EXPECT_NEAR(y, c.y, 5e-5);
    EXPECT_NEAR(z, c.z, 5e-5);
    EXPECT_NEAR(D(XYZToCIELAB(1, x, y, z)), c.l, 5e-5);
    EXPECT_NEAR(D(XYZToCIELAB(2, x, y, z)), c.a, 5e-3);
    EXPECT_NEAR(D(XYZToCIELAB(3, x, y, z)), c.bb, 5e-3);
  }
}

struct LabRgb {
  double l, a, b;
  int r, g, bl;
};

TEST(Cie, LabToRgbIncludingOutOfGamutClipping) {
  const LabRgb cases[] = {
      {100, 0, 0, 255, 255, 255},   {50, 0, 0, 119, 119, 119},    {0, 0, 0, 0, 0, 0},
      {50, 20, -30, 127, 109, 170}, {50, 127, -128, 183, 0, 255},  // far outside sRGB: limited, no message
      {100, -128, 127, 0, 255, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.l) + "," + std::to_string(c.a) + "," + std::to_string(c.b));
    const double x = D(CIELABtoXYZ(1, c.l, c.a, c.b)), y = D(CIELABtoXYZ(2, c.l, c.a, c.b)),
                 z = D(CIELABtoXYZ(3, c.l, c.a, c.b));
    EXPECT_EQ(D(XYZtoRGB(1, x, y, z)), c.r);
    EXPECT_EQ(D(XYZtoRGB(2, x, y, z)), c.g);
    EXPECT_EQ(D(XYZtoRGB(3, x, y, z)), c.bl);
  }
  EXPECT_NEAR(D(CIELABtoXYZ(1, 100, 0, 0)), 95.047, 1e-9);
  EXPECT_NEAR(D(CIELABtoXYZ(2, 100, 0, 0)), 100, 1e-9);
  EXPECT_NEAR(D(CIELABtoXYZ(3, 100, 0, 0)), 108.883, 1e-9);
  EXPECT_NEAR(D(CIELABtoXYZ(2, 50, 0, 0)), 18.4187, 5e-5);
}

TEST(Cie, AComponentNumberOutsideOneToThreeIsAnError) {
  for (int k : {0, 4, -1}) {
    EXPECT_FALSE(RGBToXYZ(k, 1, 2, 3).has_value());
    EXPECT_FALSE(XYZToCIELAB(k, 1, 2, 3).has_value());
    EXPECT_FALSE(CIELABtoXYZ(k, 1, 2, 3).has_value());
    EXPECT_FALSE(XYZtoRGB(k, 1, 2, 3).has_value());
  }
  EXPECT_EQ(std::string(kCIELABErrorText).substr(0, 31), "CIE-LAB Conversion Coding Error");
}

}  // namespace
}  // namespace tintora
