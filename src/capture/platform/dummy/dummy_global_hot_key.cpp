// Systems without global hot keys: nothing is ever held.
#include "capture/platform/global_hot_key.h"

namespace tintora {

namespace {
class DummyGlobalHotKey final : public GlobalHotKey {
 public:
  bool CanGrabHotKey() const override { return false; }
  bool Register(unsigned, unsigned) override { return false; }
  void Unregister() override {}
};
}  // namespace

std::unique_ptr<GlobalHotKey> MakeGlobalHotKey() { return std::make_unique<DummyGlobalHotKey>(); }

}  // namespace tintora
