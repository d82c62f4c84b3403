// TSaveAsOptions: options of the HTML palette table export.
#pragma once

#include <QWidget>

namespace tintora {

class TSaveAsOptions : public QWidget {
  Q_OBJECT
 public:
  explicit TSaveAsOptions(QWidget* parent = nullptr);
};

}  // namespace tintora
