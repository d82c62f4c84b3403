// The one way controls are made: named (tests, settings and hints find them by name), with an
// optional hint; a layout places them. Further arguments go to the control's constructor before
// its parent, as Qt's own constructors take them ("HTML" for a check box, Qt::Horizontal for a
// slider).
#pragma once

#include <utility>

#include <QRect>
#include <QString>
#include <QWidget>

namespace tintora {

template <typename T, typename... Args>
T* Make(QWidget* parent, const QString& name, const QString& hint = {}, Args&&... args) {
  T* control = new T(std::forward<Args>(args)..., parent);
  control->setObjectName(name);
  if (!hint.isEmpty()) control->setToolTip(hint);
  return control;
}

// A part of a picture whose pixels mean something (the zoom view in the selector, the harmony
// swatches and the wheel in the viewer, the compare swatch): placed at its pixels inside a
// parent that keeps its logical size whatever the font, so no layout is wanted.
template <typename T, typename... Args>
T* MakeInPicture(QWidget* picture, const QString& name, const QRect& geometry, const QString& hint = {},
                 Args&&... args) {
  T* control = Make<T>(picture, name, hint, std::forward<Args>(args)...);
  if (!geometry.isNull()) control->setGeometry(geometry);
  return control;
}

}  // namespace tintora
