#include "widgets/keyboard_menus.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "widgets/speed_button.h"

namespace tintora {

namespace {

bool MenuKey(const QKeyEvent* key) {
  return key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

bool TextField(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
         qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

}  // namespace

KeyboardMenus::KeyboardMenus(QWidget* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

void KeyboardMenus::RightClick(QWidget* target) {
  const QPoint middle = target->rect().center();
  // A menu of its own (and a text field's standard menu) opens as a keyboard menu does.
  if (target->contextMenuPolicy() == Qt::CustomContextMenu || TextField(target)) {
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, middle, target->mapToGlobal(middle));
    QApplication::sendEvent(target, &menu);
    return;
  }
  if (auto* button = qobject_cast<SpeedButton*>(target)) {
    button->RightClick();
    return;
  }
  // Anything else does what its right mouse button does.
  QMouseEvent press(QEvent::MouseButtonPress, middle, target->mapToGlobal(middle), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, middle, target->mapToGlobal(middle), Qt::RightButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

bool KeyboardMenus::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  QWidget* focus = QApplication::focusWidget();
  if (!MenuKey(key) || !focus || watched != focus) return false;
  // Only the program's own windows: this one and those it owns.
  const QWidget* owner = focus->window();
  while (owner && owner != window_) owner = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;
  if (!owner) return false;
  if (event->type() == QEvent::KeyPress) RightClick(focus);
  return true;  // the release too, so that no second menu follows
}

}  // namespace tintora
