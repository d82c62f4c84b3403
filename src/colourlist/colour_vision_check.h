// "Check Colour Vision": the pairs of the colour list that a colour-vision deficiency makes hard
// to tell apart, nearest first under each; choosing one selects the pair in the list.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace tintora {

class ColourList;

class ColourVisionCheck : public QWidget {
  Q_OBJECT
 public:
  // Every pair is compared: a list longer than this is not checked, and the window says so.
  static constexpr std::size_t kMostEntries = 3000;

  explicit ColourVisionCheck(QWidget* owner);
  // Checks the list and shows what it found.
  void Check(const ColourList& list);

 signals:
  void PairChosen(int first, int second);

 private:
  QLabel* SummaryLabel = nullptr;
  QListWidget* LookAlikeList = nullptr;
};

}  // namespace tintora
