// The value field's right-click menu: the shown value, the active colour written in any CSS
// notation ("Copy As", the last choice again with Ctrl+Shift+C), and a colour text from the
// clipboard made the active colour ("Paste Colour", also Ctrl+V outside text fields).
#pragma once

#include <array>
#include <functional>

#include <QObject>

#include "core/colour/css_colour.h"

class QAction;
class QLineEdit;
class QMenu;

namespace tintora {

class ActiveColourHolder;
class ColourSelection;
class Services;
class StayOnTop;
class PopupMenu;

class ValueMenu : public QObject {
  Q_OBJECT
 public:
  ValueMenu(QLineEdit* field, const ActiveColourHolder& active, ColourSelection& selection, StayOnTop& onTop,
            Services& services, std::function<void()> copyShown);

  PopupMenu* Menu() const { return ValuePopupExt; }
  // What Ctrl+Shift+C copies: the last notation chosen under "Copy As" (hex at first).
  CssNotation LastCopyAs() const { return lastCopyAs_; }
  void CopyAs(CssNotation notation);
  // The clipboard's text as the active colour; a text that is no colour changes nothing and
  // says why.
  void PasteColour();

 private:
  void Refresh();

  QLineEdit* field_;
  const ActiveColourHolder& active_;
  ColourSelection& selection_;
  Services& services_;
  CssNotation lastCopyAs_ = CssNotation::Hex;

  PopupMenu* ValuePopupExt = nullptr;
  QMenu* CopyAsMenu = nullptr;
  std::array<QAction*, 9> copyAsItems_{};
  QAction* CopyAsLastAction = nullptr;
  QAction* PasteColourAction = nullptr;
};

}  // namespace tintora
