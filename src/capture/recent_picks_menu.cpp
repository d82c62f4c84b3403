#include "capture/recent_picks_menu.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include "core/settings/ini_file.h"
#include "core/settings/settings_values.h"
#include "widgets/colour_selection.h"
#include "widgets/guarded.h"
#include "widgets/settings_store.h"

namespace tintora {

RecentPicksMenu::RecentPicksMenu(QWidget* host, ColourSelection& selection, SettingsStore& settings)
    : QObject(host), selection_(selection), settings_(settings), menu_(new QMenu("Recent Picks", host)) {
  menu_->setObjectName("RecentPicks1");
  Rebuild();
}

void RecentPicksMenu::Load() {
  colours_ = RecentPicksOf(settings_.File().Values());
  Rebuild();
}

void RecentPicksMenu::Add(Rgb8 picked) {
  // Through the file, which another program may have added to since.
  settings_.Write([picked](IniFile& ini) { return AddRecentPick(ini, picked); });
  Load();
  if (colours_.empty() || colours_.front() != picked) {  // the file could not be written
    std::erase(colours_, picked);
    colours_.insert(colours_.begin(), picked);
    Rebuild();
  }
}

void RecentPicksMenu::Rebuild() {
  menu_->clear();
  menu_->setEnabled(!colours_.empty());
  const int side = menu_->fontMetrics().height();
  for (const Rgb8& c : colours_) {
    QPixmap swatch(side, side);
    swatch.fill(QColor(c.red, c.green, c.blue));
    QPainter(&swatch).drawRect(0, 0, side - 1, side - 1);
    QAction* item = menu_->addAction(QIcon(swatch), "#" + QString::fromStdString(c.Hex()));
    item->setObjectName("RecentPick" + QString::fromStdString(c.Hex()));
    Link(item, &QAction::triggered, this, [this, c](bool) {
      selection_.Take(c);
      selection_.SetColourSelection();
    });
  }
}

}  // namespace tintora
