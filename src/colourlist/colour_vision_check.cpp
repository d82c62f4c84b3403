#include "colourlist/colour_vision_check.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/design/design_helpers.h"
#include "core/list/colour_list.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

ColourVisionCheck::ColourVisionCheck(QWidget* owner) : QWidget(owner, Qt::Dialog) {
  setObjectName("ColourVisionCheck");
  setWindowTitle("Check Colour Vision");
  SummaryLabel = Make<QLabel>(this, "ColourVisionSummaryLabel");
  SummaryLabel->setWordWrap(true);
  LookAlikeList = Make<QListWidget>(this, "LookAlikeList");
  LookAlikeList->setAccessibleName("Pairs that look alike");
  FitCharacters(LookAlikeList, 64);  // a pair's line whole, at the user's font
  LookAlikeList->setMaximumWidth(QWIDGETSIZE_MAX);
  auto* closeButton = Make<QPushButton>(this, "ColourVisionCloseButton", {}, "Close");
  QVBoxLayout* column = ColumnOn(this);
  column->addWidget(SummaryLabel);
  column->addWidget(LookAlikeList, 1);
  column->addLayout(Row({nullptr, closeButton}));
  Link(closeButton, &QPushButton::clicked, this, [this](bool) { close(); });
  Link(LookAlikeList, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    const QPoint pair = LookAlikeList->item(row)->data(Qt::UserRole).toPoint();
    if (pair.x() >= 0) emit PairChosen(pair.x(), pair.y());
  });
}

void ColourVisionCheck::Check(const ColourList& list) {
  LookAlikeList->clear();
  if (list.Count() > kMostEntries) {
    SummaryLabel->setText(
        QString("The list holds %1 colours; the check compares every pair, so it takes lists "
                "of at most %2.")
            .arg(list.Count())
            .arg(kMostEntries));
    return;
  }
  std::vector<Rgb8> colours;
  for (std::size_t i = 0; i < list.Count(); ++i) colours.push_back(list.ColourAt(i).value_or(Rgb8{}));
  auto nameOf = [&list](std::size_t i) {
    const ColourEntry& e = list.At(i);
    return QString::fromStdString(e.name.empty() ? e.value : e.name);
  };
  int found = 0;
  for (ColourVision vision : kColourVisions) {
    if (vision == ColourVision::Normal) continue;
    for (const LookAlikePair& p : LookAlikePairs(colours, vision)) {
      auto* item =
          new QListWidgetItem(QString("%1: %2 and %3 (%4 apart; %5 to normal vision)")
                                  .arg(QString::fromUtf8(ColourVisionName(vision).data(),
                                                         static_cast<int>(ColourVisionName(vision).size())),
                                       nameOf(p.first), nameOf(p.second))
                                  .arg(p.seenDistance, 0, 'f', 3)
                                  .arg(p.trueDistance, 0, 'f', 3),
                              LookAlikeList);
      item->setData(Qt::UserRole, QPoint(static_cast<int>(p.first), static_cast<int>(p.second)));
      ++found;
    }
  }
  SummaryLabel->setText(
      found == 0 ? "No two colours of the list look alike with a colour-vision deficiency."
                 : QString("%1 alike with a deficiency (closer than 0.05 in OKLab) though "
                           "they differ to normal vision. Choose one to select it in the list.")
                       .arg(found == 1 ? QString("One pair looks") : QString("%1 pairs look").arg(found)));
}

}  // namespace tintora
