// AdjustWindow: "Adjust Selected Colours", the hue, saturation and vibrance of the selected list
// colours as a batch, with a preview of every selected entry, old and new side by side.
#pragma once

#include <functional>

#include <QWidget>

#include "core/list/adjust.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;

namespace tintora {

// PaletteImage: two cells a row, each the new colour with the old one over its corner, the
// name and "old {new}". Only the rows in view are painted, so a long selection costs no more
// than a short one.
class AdjustPreview : public QWidget {
  Q_OBJECT
 public:
  explicit AdjustPreview(QWidget* parent);
  // How many cells, and the entry of each (asked for only while painting).
  void SetCells(std::size_t count, std::function<AdjustedEntry(std::size_t)> cell);
  std::size_t Count() const { return count_; }
  AdjustedEntry Cell(std::size_t k) const { return cell_(k); }
  // The whole preview as a picture, for the clipboard (at most `maxHeight` pixels of it).
  QImage Picture(int maxHeight) const;

 signals:
  void MenuRequested(QPoint globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void PaintCells(QPainter& painter, const QRect& area) const;

  std::size_t count_ = 0;
  std::function<AdjustedEntry(std::size_t)> cell_;
};

// The window shows its sliders' values itself; what they do to the list is the controller's.
class AdjustWindow : public QWidget {
  Q_OBJECT
 public:
  explicit AdjustWindow(QWidget* parent = nullptr);

  Adjustment Sliders() const;
  void ResetSliders();
  void SetAcceptEnabled(bool enabled);
  AdjustPreview& Preview() const { return *PaletteImage; }

 signals:
  void SlidersMoved();
  void AcceptClicked();
  void CancelClicked();
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QScrollArea* PreviewScroller = nullptr;
  AdjustPreview* PaletteImage = nullptr;
  QWidget* HSIMixerPanel = nullptr;
  QSlider* HueTrackBar = nullptr;
  QSlider* SaturationTrackBar = nullptr;
  QSlider* VibranceTrackBar = nullptr;
  QPushButton* AdjustAcceptButton = nullptr;
  QPushButton* AdjustCancelButton = nullptr;
};

}  // namespace tintora
