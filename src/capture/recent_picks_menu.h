// "Recent Picks" in the colour selector's right-click menu: the colours last picked from the
// screen, newest first, each beside its swatch; choosing one makes it the active colour. The
// list lives in the settings file, written as each pick is made, so tintora-colour --pick adds
// to it and nothing is lost when the program ends.
#pragma once

#include <vector>

#include <QObject>

#include "core/colour/rgb8.h"

class QMenu;
class QWidget;

namespace tintora {

class ColourSelection;
class SettingsStore;

class RecentPicksMenu : public QObject {
  Q_OBJECT
 public:
  RecentPicksMenu(QWidget* host, ColourSelection& selection, SettingsStore& settings);

  QMenu* Menu() const { return menu_; }
  const std::vector<Rgb8>& Colours() const { return colours_; }
  // The list as the settings file has it now.
  void Load();
  // A colour picked from the screen.
  void Add(Rgb8 picked);

 private:
  void Rebuild();

  ColourSelection& selection_;
  SettingsStore& settings_;
  QMenu* menu_;
  std::vector<Rgb8> colours_;
};

}  // namespace tintora
