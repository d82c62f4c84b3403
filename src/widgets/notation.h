// The notation the value field writes the active colour in, as its switches set it. The list
// names indexed colours in it too.
#pragma once

#include <QObject>
#include <QString>

#include "core/colour/active_colour.h"

namespace tintora {

class Notation : public QObject {
  Q_OBJECT
 public:
  explicit Notation(QObject* parent = nullptr) : QObject(parent) {}

  const NotationSwitches& Switches() const { return switches_; }
  void Set(const NotationSwitches& switches);
  // The value field's text for a colour: COLOR="name", RRGGBB, BBGGRR or decimal.
  QString Text(const ActiveColour& colour) const;

 signals:
  void Changed();

 private:
  NotationSwitches switches_;
};

}  // namespace tintora
