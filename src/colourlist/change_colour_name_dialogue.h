// TChangeColourNameDialogue: renames one entry of the colour list.
#pragma once

#include <QWidget>

namespace tintora {

class TChangeColourNameDialogue : public QWidget {
  Q_OBJECT
 public:
  explicit TChangeColourNameDialogue(QWidget* parent = nullptr);
};

}  // namespace tintora
