// ScreenShotWindow: the desktop snapshot or clipboard picture the user picks colours from.
#pragma once

#include <functional>

#include <QWidget>

class QScrollArea;

namespace tintora {

class ImageBox;

class ScreenShotWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ScreenShotWindow(QWidget* parent = nullptr);

  // Where the main window stands; the window places itself from it whenever it is shown.
  void SetMainBounds(std::function<QRect()> bounds) { mainBounds_ = std::move(bounds); }
  void SetPicture(const QImage& picture);
  void ClearPicture();
  const QImage& Picture() const;
  // The picture as shown, with its cursor and the colour under a point.
  ImageBox& Image() const { return *PictureBox; }

 signals:
  void PointedAt(QPoint pos, bool click);
  void MenuRequested(QPoint globalPos);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::function<QRect()> mainBounds_;
  QScrollArea* PictureScroller = nullptr;
  ImageBox* PictureBox = nullptr;
};

}  // namespace tintora
