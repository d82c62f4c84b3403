#include "widgets/popup_ext.h"

#include <QAction>
#include <QKeySequence>

namespace tintora {

namespace {
TPopupExt::ExecHook& Hook() {
  static TPopupExt::ExecHook hook;
  return hook;
}
}  // namespace

TPopupExt::TPopupExt(const QString& name, QWidget* parent) : QMenu(parent) { setObjectName(name); }

QAction* MakeAction(QObject* owner, const char* name, const QString& caption, bool checkable) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

QAction* AddWindowShortcut(QWidget* owner, const char* name, const QString& caption,
                           const QKeySequence& key) {
  QAction* action = MakeAction(owner, name, caption);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  owner->addAction(action);
  return action;
}

QAction* TPopupExt::AddItem(const char* name, const QString& caption, bool checkable) {
  QAction* item = MakeAction(this, name, caption, checkable);
  addAction(item);
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
