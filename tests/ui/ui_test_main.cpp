// Window tests run against the offscreen platform with the program's own look.
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/tintora_style.h"
#include "widgets/popup_ext.h"
#include "window_fixture.h"

namespace tintora::testing {
void WindowTest::TPopupExtHookReset() { TPopupExt::SetExecHook(nullptr); }
}  // namespace tintora::testing

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tintora::TintoraApplication app(argc, argv);
  tintora::ApplyTintoraLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
