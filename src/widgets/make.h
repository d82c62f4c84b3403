// The one way controls are made: named (tests, settings and hints find them by name), placed
// at a fixed geometry in their parent, with an optional hint. Further arguments go to the
// control's constructor before its parent, as Qt's own constructors take them ("HTML" for a
// check box, Qt::Horizontal for a slider).
#pragma once

#include <utility>

#include <QRect>
#include <QString>
#include <QWidget>

namespace tintora {

template <typename T, typename... Args>
T* Make(QWidget* parent, const QString& name, const QRect& geometry, const QString& hint = {},
        Args&&... args) {
  T* control = new T(std::forward<Args>(args)..., parent);
  control->setObjectName(name);
  if (!geometry.isNull()) control->setGeometry(geometry);
  if (!hint.isEmpty()) control->setToolTip(hint);
  return control;
}

}  // namespace tintora
