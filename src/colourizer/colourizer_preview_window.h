// ColourizerPreviewWindow: "Text Colourizer Preview", a bigger view of the colourized text. Closing it only
// hides it.
#pragma once

#include <QWidget>

class QTextEdit;

namespace tintora {

class ColourizerPreviewWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ColourizerPreviewWindow(QWidget* parent = nullptr);

  // The bigger preview the colourizer renders into.
  QTextEdit* Preview() const { return ColouredTextPreviewRichEdit; }

 signals:
  void Shown();
  void Hidden();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QTextEdit* ColouredTextPreviewRichEdit = nullptr;
  // The room the text area asks for, before a small screen has its say.
  QSize wantedTextArea_;
};

}  // namespace tintora
