// PopupMenu: a popup menu that says when it is about to open and when it has closed, so the
// main window can pause stay-on-top while a menu is up (a topmost window would cover it).
#pragma once

#include <functional>

#include <QMenu>

class QKeySequence;

namespace tintora {

// An action named as tests and settings know it, owned by `owner`.
QAction* MakeAction(QObject* owner, const char* name, const QString& caption, bool checkable = false);
// An action whose shortcut works anywhere in `owner`'s window.
QAction* AddWindowShortcut(QWidget* owner, const char* name, const QString& caption, const QKeySequence& key);

class PopupMenu : public QMenu {
  Q_OBJECT
 public:
  explicit PopupMenu(const QString& name, QWidget* parent = nullptr);

  // OnBeforePopup, then the menu itself (returns when it has closed; the chosen item's action
  // has been triggered by then), then OnAfterPopup.
  void Popup(const QPoint& globalPos);

  // Adds an item with the name tests and settings know it by.
  QAction* AddItem(const char* name, const QString& caption, bool checkable = false);

  // Tests pick the item a user would pick: the hook replaces the interactive part and answers
  // the chosen action (or nullptr to dismiss the menu).
  using ExecHook = std::function<QAction*(PopupMenu* menu, const QPoint& globalPos)>;
  static void SetExecHook(ExecHook hook);

 signals:
  void OnBeforePopup(PopupMenu* sender);
  void OnAfterPopup(PopupMenu* sender);
};

}  // namespace tintora
