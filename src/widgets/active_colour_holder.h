// The active colour as every room shares it: each control writes through a Set... call and
// redraws from Changed, which is emitted only when the value really changes. So no control
// needs to read another to learn the colour, and nothing bounces between the mixers.
#pragma once

#include <QObject>

#include "core/colour/active_colour.h"

namespace tintora {

class ActiveColourHolder : public QObject {
  Q_OBJECT
 public:
  explicit ActiveColourHolder(QObject* parent = nullptr) : QObject(parent) {}

  const ActiveColour& Value() const { return value_; }

  void Set(const ActiveColour& colour);
  void SetComponent(ColourComponent c, int level) { Set(value_.WithComponent(c, level)); }
  void SetRgb(int red, int green, int blue) { Set(value_.WithRgb(red, green, blue)); }
  void SetIntensity(int intensity) { Set(value_.WithIntensity(intensity)); }

 signals:
  void Changed(const ActiveColour& now, const ActiveColour& before);

 private:
  ActiveColour value_;
};

}  // namespace tintora
