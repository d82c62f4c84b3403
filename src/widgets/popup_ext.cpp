#include "widgets/popup_ext.h"

#include <QAction>
#include <QKeySequence>

namespace tintora {

namespace {
PopupMenu::ExecHook& Hook() {
  static PopupMenu::ExecHook hook;
  return hook;
}
}  // namespace

PopupMenu::PopupMenu(const QString& name, QWidget* parent) : QMenu(parent) { setObjectName(name); }

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

QAction* PopupMenu::AddItem(const char* name, const QString& caption, bool checkable) {
  QAction* item = MakeAction(this, name, caption, checkable);
  addAction(item);
  return item;
}

void PopupMenu::SetExecHook(ExecHook hook) { Hook() = std::move(hook); }

void PopupMenu::Popup(const QPoint& globalPos) {
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
