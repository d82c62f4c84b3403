// TForm8: "Text Colourizer Preview", a bigger view of the colourized text. Closing it only
// hides it.
#pragma once

#include <QWidget>

class QTextEdit;

namespace tintora {

class TForm8 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm8(QWidget* parent = nullptr);

  QTextEdit* ColouredTextPreviewRichEdit = nullptr;

 signals:
  void Shown();
  void Hidden();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
};

}  // namespace tintora
