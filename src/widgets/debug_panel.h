// The program data box: work controls for developers, hidden until the colour list's Ctrl+D
// shows the button that shows it.
#pragma once

#include <QGroupBox>

class QLabel;

namespace tintora {

class DebugPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit DebugPanel(QWidget* parent);

  // Where the last insert went in the list.
  void ShowInsertPosition(int position);
  // The pointer's screen position, as capture last read it.
  void ShowMouse(QPoint position);
  // The last Adobe swatch file read: its size and where its second section was looked for.
  void ShowSwatchSections(std::size_t fileSize, std::size_t secondSection);
  // The text colourizer's counts: characters, colours in its list, checked colours.
  void ShowColourizerCounts(std::size_t characters, std::size_t colours, std::size_t checked);

 private:
  QLabel* InsertPositionLabel;
  QLabel* MouseXLabel;
  QLabel* MouseYLabel;
  QLabel* SizeLabel;
  QLabel* CountLabel;
  QLabel* CheckedCountLabel;
};

}  // namespace tintora
