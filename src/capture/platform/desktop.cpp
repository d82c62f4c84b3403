#include "capture/platform/desktop.h"

#include <QGuiApplication>

#include "capture/platform/backends.h"

namespace tintora {

namespace {

class NoGlobalHotKey final : public GlobalHotKey {
 public:
  bool CanGrabHotKey() const override { return false; }
  bool Register(unsigned, unsigned) override { return false; }
  void Unregister() override {}
};

class NoScreenAccess final : public QtScreenAccess {
 public:
  QString BackendName() const override { return ScreenBackendName(ScreenBackend::None); }
  bool CanReadScreen() const override { return false; }
};

#ifdef TINTORA_HAVE_X11
constexpr bool kX11Built = true;
#else
constexpr bool kX11Built = false;
#endif

}  // namespace

#if !defined(TINTORA_HAVE_X11) && !defined(_WIN32)
std::unique_ptr<GlobalHotKey> MakeNativeGlobalHotKey() { return std::make_unique<NoGlobalHotKey>(); }
#endif

std::unique_ptr<GlobalHotKey> MakeNoGlobalHotKey() { return std::make_unique<NoGlobalHotKey>(); }
std::unique_ptr<ScreenAccess> MakeNoScreenAccess() { return std::make_unique<NoScreenAccess>(); }

Desktop::Desktop() = default;
Desktop::~Desktop() = default;

ScreenBackend Desktop::Backend() {
  Choose();
  return backend_;
}

ScreenAccess& Desktop::Screen() {
  Choose();
  return *screen_;
}

GlobalHotKey& Desktop::HotKey() {
  Choose();
  return *hotKey_;
}

void Desktop::Choose() {
  if (chosen_) return;
  chosen_ = true;
  const QByteArray override = qgetenv("TINTORA_SCREEN").trimmed().toLower();
  backend_ = ChooseScreenBackend(QGuiApplication::platformName().toStdString(), override.toStdString(),
                                 kX11Built, [] {
#ifdef TINTORA_HAVE_PORTAL
                                   return PortalAnswers();
#else
                                   return false;
#endif
                                 });
  switch (backend_) {
    case ScreenBackend::X11:
#ifdef TINTORA_HAVE_X11
      screen_ = MakeX11ScreenAccess();
#endif
      // An X server that will not take a second connection still shares Qt's.
      if (!screen_) {
        backend_ = ScreenBackend::Qt;
        screen_ = std::make_unique<QtScreenAccess>();
      }
      hotKey_ = MakeNativeGlobalHotKey();
      break;
    case ScreenBackend::Portal:
#ifdef TINTORA_HAVE_PORTAL
      screen_ = MakePortalScreenAccess();
      hotKey_ = MakePortalGlobalHotKey();
#endif
      break;
    case ScreenBackend::Qt:
      screen_ = std::make_unique<QtScreenAccess>();
      hotKey_ = MakeNativeGlobalHotKey();
      break;
    case ScreenBackend::None:
      break;
  }
  // A backend this build lacks: nothing to read.
  if (!screen_) {
    backend_ = ScreenBackend::None;
    screen_ = MakeNoScreenAccess();
    hotKey_.reset();
  }
  if (!hotKey_) hotKey_ = MakeNoGlobalHotKey();
}

}  // namespace tintora
