#include "core/capture/screen_backend.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/colour/notations.h"

namespace tintora {
namespace {

TEST(ScreenBackend, ChosenFromThePlatformAndTheOverride) {
  struct Case {
    const char* platform;
    const char* override;
    bool x11Built;
    bool portalAnswers;
    ScreenBackend expected;
    bool portalAsked;
  };
  const Case cases[] = {
      {"xcb", "", true, true, ScreenBackend::X11, false},
      {"xcb", "", false, true, ScreenBackend::Qt, false},
      {"wayland", "", true, true, ScreenBackend::Portal, true},
      {"wayland-egl", "", true, true, ScreenBackend::Portal, true},
      {"wayland", "", true, false, ScreenBackend::None, true},
      {"windows", "", false, false, ScreenBackend::Qt, false},
      {"offscreen", "", true, true, ScreenBackend::Qt, false},
      // The override wins, and never needs the portal asked.
      {"wayland", "x11", true, true, ScreenBackend::X11, false},
      {"wayland", "x11", false, true, ScreenBackend::None, false},
      {"xcb", "portal", true, false, ScreenBackend::Portal, false},
      {"xcb", "none", true, true, ScreenBackend::None, false},
      // A value we do not know is no override at all.
      {"xcb", "vnc", true, true, ScreenBackend::X11, false},
      {"wayland", "X11 ", true, false, ScreenBackend::None, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.platform) + " / " + c.override);
    bool asked = false;
    const ScreenBackend chosen = ChooseScreenBackend(c.platform, c.override, c.x11Built, [&] {
      asked = true;
      return c.portalAnswers;
    });
    EXPECT_EQ(chosen, c.expected);
    EXPECT_EQ(asked, c.portalAsked);
  }
}

TEST(ScreenBackend, ResponseCodes) {
  EXPECT_EQ(PortalOutcomeOf(0), PortalOutcome::Done);
  EXPECT_EQ(PortalOutcomeOf(1), PortalOutcome::Cancelled);
  EXPECT_EQ(PortalOutcomeOf(2), PortalOutcome::Failed);
  EXPECT_EQ(PortalOutcomeOf(77), PortalOutcome::Failed);
}

TEST(ScreenBackend, RequestPathFromTheUniqueName) {
  EXPECT_EQ(PortalRequestPath(":1.42", "tintora7"), "/org/freedesktop/portal/desktop/request/1_42/tintora7");
  EXPECT_EQ(PortalRequestPath(":1.4.2", "t"), "/org/freedesktop/portal/desktop/request/1_4_2/t");
}

TEST(ScreenBackend, PortalColoursRoundAndClamp) {
  struct Case {
    double r, g, b;
    Rgb8 expected;
  };
  const Case cases[] = {
      {0.2, 0.4, 0.6, {0x33, 0x66, 0x99}},
      {1.0, 0.0, 0.5, {0xFF, 0x00, 0x80}},  // 127.5 rounds up
      {0.5 / 255, 1.49 / 255, 0.999, {1, 1, 255}},
      {-0.1, 1.7, 0.0, {0, 255, 0}},
      {std::nan(""), 0.0, 0.0, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(PortalColour(c.r, c.g, c.b), c.expected) << c.r << " " << c.g;
}

TEST(ScreenBackend, TriggersInTheShortcutForm) {
  struct Case {
    unsigned modifiers, key;
    const char* expected;
  };
  const Case cases[] = {
      {1, 0x77, "ALT+F8"},
      {0, 0x71, "F2"},
      {7, 0x65, "SHIFT+CTRL+ALT+KP_5"},
      {2, 0x7B, "CTRL+F12"},
      {4, 0x60, "SHIFT+KP_0"},
      {1, 0x70, ""},  // F1 is not offered
      {1, 0x73, ""},  // nor F4
      {1, 0x41, ""},  // nor a letter
      {1, 0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PortalTrigger(c.modifiers, c.key), c.expected) << c.key;
}

TEST(ScreenBackend, OnlyFilesInTheTemporaryFolderAreTidied) {
  struct Case {
    const char* path;
    const char* temp;
    bool removable;
  };
  const Case cases[] = {
      {"/tmp/portal-1/Screenshot.png", "/tmp", true},
      {"/tmp/Screenshot.png", "/tmp/", true},
      {"/tmp", "/tmp", false},
      {"/tmp/", "/tmp", false},
      {"/tmpfoo/Screenshot.png", "/tmp", false},
      {"/home/ann/Pictures/Screenshot.png", "/tmp", false},
      {"/tmp/../home/ann/Pictures/Screenshot.png", "/tmp", false},
      {"/tmp/a/./b.png", "/tmp", false},
      {"/run/user/1000/doc/abc/Screenshot.png", "/tmp", false},
      {"/tmp/x.png", "", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPortalScratchFile(c.path, c.temp), c.removable) << c.path;
}

}  // namespace
}  // namespace tintora
