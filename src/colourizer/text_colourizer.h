// The "Text Colourizer" tab: the text, its colours (dragged from the colour list), the font
// face, the sizes and their mode, the live preview with its menu of styles and copies, the
// bigger preview window (ColourizerPreviewWindow) and the character chart along the bottom of the window.
#pragma once

#include <memory>

#include <QObject>

#include "core/colourizer/colourizer.h"
#include "widgets/made_on_first_use.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTextEdit;
class QWidget;

namespace tintora {

class ActiveColourHolder;
class ColourCheckList;
class DebugPanel;
class Services;
class StayOnTop;
class ColourizerPreviewWindow;
class PopupMenu;

// The shared objects the colourizer talks through.
struct ColourizerParts {
  const ActiveColourHolder& active;
  DebugPanel& debug;
  StayOnTop& onTop;
  Services& services;
};

class TextColourizer : public QObject {
  Q_OBJECT
 public:
  // `tab`: the tab page; `chartHost`: the strip below the panes that holds the chart.
  TextColourizer(QWidget* tab, QWidget* chartHost, QWidget* window,
                 MadeOnFirstUse<ColourizerPreviewWindow> preview, const ColourizerParts& parts);
  ~TextColourizer() override;

  // What the controls say now.
  ColourizerInput Input() const;
  // The preview as the engine coloured it.
  const Colourized& Result() const { return result_; }
  ColourizerPreviewWindow* Preview();
  PopupMenu* Menu() const { return TextColourizerPopupExt; }

  // The window switched between its reduced and full form: the chart follows while it is on.
  void SetAdvanced(bool advanced);

 signals:
  // The chart strip was shown or hidden: the window fits itself to it.
  void ChartShownChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The controls, by the names users and tests know (and find them by).
  QPlainTextEdit* TextToColourMemo = nullptr;
  ColourCheckList* ColourCheckListBox = nullptr;
  QComboBox* FontComboBox = nullptr;
  QSpinBox* FirstFontSizeUpDown = nullptr;
  QSpinBox* SecondFontSizeUpDown = nullptr;
  QSpinBox* ThirdFontSizeUpDown = nullptr;
  QLineEdit* FirstFontSizeEdit = nullptr;
  QLineEdit* SecondFontSizeEdit = nullptr;
  QLineEdit* ThirdFontSizeEdit = nullptr;
  QCheckBox* StaticFontSizeCheckBox = nullptr;
  QGroupBox* HTMLDocClientPanel = nullptr;
  QTextEdit* ResultRichEdit = nullptr;
  QPlainTextEdit* UnicodeMemo = nullptr;

  PopupMenu* TextColourizerPopupExt = nullptr;
  QAction* BoldAction = nullptr;
  QAction* ItalicAction = nullptr;
  QAction* UnderlineAction = nullptr;
  QAction* StrikeOutAction = nullptr;
  QAction* ShowUnicodeChartAction = nullptr;
  QAction* SetBackgroundColourAction = nullptr;
  QAction* CopyHtmlAction = nullptr;
  QAction* CopyBackgroundHtmlAction = nullptr;
  QAction* CopyRichTextAction = nullptr;
  QAction* UseWebSafeColoursAction = nullptr;
  QAction* LineBreakAfterEachBlockAction = nullptr;
  QAction* CssSpanOutputAction = nullptr;
  QAction* ViewInBiggerWindowAction = nullptr;

  void Build(QWidget* tab);
  void BuildMenu(QWidget* tab);
  void Connect();
  void BuildChart(QWidget* host);

  // The engine's steps: all of them run on every change, the preview being a handful of
  // characters.
  void UpdatePreview();
  // At `scale` times the sizes the text asks for (the bigger window shows it bigger).
  void RenderInto(QTextEdit* edit, const ColourizerInput& in, double scale) const;
  void RefocusText();

  void TextToColourMemoChange();
  void FirstFontSizeEditChange();
  void StaticFontSizeCheckBoxClick();
  void ColourCheckListBoxKeyDown(QKeyEvent* event, bool* consumed);
  void SetBackgroundColourClick();
  void CopyHtmlClick();
  void CopyBackgroundHtmlClick();
  void CopyRichTextClick();
  void ViewInBiggerWindowClick();
  void ShowUnicodeChartClick();
  void ShowChart(bool on);
  void UnicodeCharacterDisplay();
  void UnicodeMemoMouseUp(Qt::MouseButton button);
  // The text box keeps at most kColourizerMaxChars characters: the newest ones beyond go.
  bool EnforceTextLimit();

  QWidget* tab_;
  QWidget* chartHost_;
  QWidget* window_;
  MadeOnFirstUse<ColourizerPreviewWindow> preview_;
  const ActiveColourHolder& active_;
  DebugPanel& debug_;
  StayOnTop& onTop_;
  Services& services_;
  Colourized result_;
  Rgb8 background_;
};

}  // namespace tintora
