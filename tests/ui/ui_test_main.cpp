// Window tests run against the offscreen platform with the program's own look.
#include <gtest/gtest.h>
#include <unistd.h>
#include <QDir>

#include "app/application.h"
#include "app/tintora_style.h"
#include "widgets/popup_ext.h"
#include "window_fixture.h"

namespace tintora::testing {
void WindowTest::PopupMenuHookReset() { PopupMenu::SetExecHook(nullptr); }
}  // namespace tintora::testing

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A home of the tests' own: the documents folder and what the program makes in it stay there.
  const QByteArray home = QDir::tempPath().toUtf8() + "/tintora-ui-home-" + QByteArray::number(getpid());
  QDir(QString::fromUtf8(home)).removeRecursively();
  QDir().mkpath(QString::fromUtf8(home));
  qputenv("HOME", home);
  qunsetenv("XDG_CONFIG_HOME");
  qunsetenv("XDG_DOCUMENTS_DIR");
  tintora::TintoraApplication app(argc, argv);
  tintora::ApplyTintoraLook();
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  QDir(QString::fromUtf8(home)).removeRecursively();
  return result;
}
