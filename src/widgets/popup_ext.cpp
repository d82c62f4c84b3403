#include "widgets/popup_ext.h"

namespace tintora {

namespace {
TPopupExt::ExecHook& Hook() {
  static TPopupExt::ExecHook hook;
  return hook;
}
}  // namespace

TPopupExt::TPopupExt(const QString& name, QWidget* parent) : QMenu(parent) { setObjectName(name); }

QAction* TPopupExt::AddItem(const char* name, const QString& caption, bool checkable) {
  QAction* item = addAction(caption);
  item->setObjectName(name);
  item->setCheckable(checkable);
  return item;
}

void TPopupExt::SetExecHook(ExecHook hook) { Hook() = std::move(hook); }

void TPopupExt::Popup(const QPoint& globalPos) {
  emit OnBeforePopup(this);
  if (Hook()) {
    emit aboutToShow();
    if (QAction* chosen = Hook()(this, globalPos)) chosen->trigger();
    emit aboutToHide();
  } else {
    exec(globalPos);
  }
  emit OnAfterPopup(this);
}

}  // namespace tintora
