// TForm2: the desktop snapshot or clipboard picture the user picks colours from.
#pragma once

#include <functional>

#include <QWidget>

class QScrollArea;

namespace tintora {

class ImageBox;

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);

  // Where the main window stands; the window places itself from it whenever it is shown.
  void SetMainBounds(std::function<QRect()> bounds) { mainBounds_ = std::move(bounds); }
  void SetPicture(const QImage& picture);
  void ClearPicture();
  const QImage& Picture() const;
  // The picture as shown, with its cursor and the colour under a point.
  ImageBox& Image() const { return *Image1; }

 signals:
  void PointedAt(QPoint pos, bool click);
  void MenuRequested(QPoint globalPos);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::function<QRect()> mainBounds_;
  QScrollArea* Panel1 = nullptr;
  ImageBox* Image1 = nullptr;
};

}  // namespace tintora
