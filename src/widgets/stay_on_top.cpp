#include "widgets/stay_on_top.h"

#include <algorithm>

#include "widgets/guarded.h"
#include "widgets/popup_ext.h"

namespace tintora {

void ApplyStayOnTop(QWidget* window, bool on) {
  if (!window) return;
  if (!window->testAttribute(Qt::WA_WState_Created)) {
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    return;
  }
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  const bool visible = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (visible) window->show();
}

StayOnTop::StayOnTop(QWidget* mainWindow) : main_(mainWindow) {}

void StayOnTop::Follow(QWidget* window, bool inFrontByRight) {
  followers_.emplace_back(window);
  if (inFrontByRight) inFront_.emplace_back(window);
  // A window built after stay-on-top was turned on takes it up as the others did.
  if (onTopState_) ApplyStayOnTop(window, true);
}

void StayOnTop::OnTopToggler() {
  const bool on = !main_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  onTopState_ = on;
  ApplyStayOnTop(main_, on);
  for (QWidget* w : followers_) ApplyStayOnTop(w, on);
  emit Toggled(on);
}

bool StayOnTop::InFrontByRight(const QWidget* active) const {
  return active == main_ || std::any_of(inFront_.begin(), inFront_.end(),
                                        [active](const QPointer<QWidget>& w) { return w == active; });
}

PopupMenu* MakePopup(QWidget* parent, const char* name, StayOnTop& onTop) {
  auto* menu = new PopupMenu(name, parent);
  Link(menu, &PopupMenu::OnBeforePopup, &onTop, [&onTop](PopupMenu*) { onTop.BeforePopUp(); });
  Link(menu, &PopupMenu::OnAfterPopup, &onTop, [&onTop](PopupMenu*) { onTop.AfterPopUp(); });
  return menu;
}

}  // namespace tintora
