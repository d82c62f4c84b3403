#include "colourizer/text_colourizer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTextEdit>

#include "colourizer/colour_check_list.h"
#include "colourizer/colourizer_preview_window.h"
#include "core/formats/cdt.h"
#include "core/formats/colour_list_files.h"
#include "widgets/colour_panel.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {

constexpr const char* kNoFace = "No Specific Font Face";

// Each face of the list written in itself.
class FaceDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.row() > 0) option->font.setFamily(index.data().toString());
  }
};

// The face list: stay-on-top waits while its list is open, as it does for menus.
class FaceComboBox : public QComboBox {
 public:
  FaceComboBox(StayOnTop& onTop, QWidget* parent) : QComboBox(parent), onTop_(onTop) {}
  void showPopup() override {
    onTop_.SuspendOnTop();
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    onTop_.RestoreOnTop();
  }

 private:
  StayOnTop& onTop_;
};

QSpinBox* SizeBox(QWidget* parent, const char* name, const char* editName, int low, int position,
                  const char* hint, QLineEdit** edit) {
  auto* box = Make<QSpinBox>(parent, name, hint);
  box->setRange(low, 7);
  box->setValue(position);
  *edit = box->findChild<QLineEdit*>();
  (*edit)->setObjectName(editName);
  (*edit)->setMaxLength(2);
  return box;
}

}  // namespace

TextColourizer::TextColourizer(QWidget* tab, QWidget* chartHost, QWidget* window,
                               MadeOnFirstUse<ColourizerPreviewWindow> preview, const ColourizerParts& parts)
    : tab_(tab),
      chartHost_(chartHost),
      window_(window),
      preview_(std::move(preview)),
      active_(parts.active),
      debug_(parts.debug),
      onTop_(parts.onTop),
      services_(parts.services) {
  Build(tab);
  BuildMenu(tab);
  BuildChart(chartHost);
  Connect();
  tab->installEventFilter(this);
  FirstFontSizeEditChange();
}

TextColourizer::~TextColourizer() = default;

void TextColourizer::Build(QWidget* tab) {
  TextToColourMemo = Make<QPlainTextEdit>(tab, "TextToColourMemo", "Text to be colourized.");
  TextToColourMemo->setFont(ContentFont("Courier New", QFont::TypeWriter, 9.75));
  MinimumTextArea(TextToColourMemo, 18, 3);
  TextToColourMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  TextToColourMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TextToColourMemo->setPlainText("SAMPLE");
  TextToColourMemo->installEventFilter(this);

  ColourCheckListBox = new ColourCheckList(tab);
  MinimumTextArea(ColourCheckListBox, 14, 3);

  FontComboBox = Make<FaceComboBox>(tab, "FontComboBox", "Font selection box.", onTop_);
  FontComboBox->setCursor(Qt::PointingHandCursor);
  FontComboBox->setItemDelegate(new FaceDelegate(FontComboBox));
  FontComboBox->addItem(kNoFace);
  FontComboBox->addItems(QFontDatabase::families());
  // Wide enough for its first entry (measuring every face in its own font would load them all).
  FontComboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  FontComboBox->setMinimumContentsLength(QString(kNoFace).size());

  FirstFontSizeUpDown = SizeBox(tab, "FirstFontSizeUpDown", "FirstFontSizeEdit", 1, 3,
                                "Text Base size (0 & 3 = Default 12pt).", &FirstFontSizeEdit);
  FirstFontSizeEdit->setToolTip("Text Base size (3 = Default 12pt).");
  SecondFontSizeUpDown = SizeBox(tab, "SecondFontSizeUpDown", "SecondFontSizeEdit", 0, 0,
                                 "Text start size (0 = Not Selected).", &SecondFontSizeEdit);
  ThirdFontSizeUpDown = SizeBox(tab, "ThirdFontSizeUpDown", "ThirdFontSizeEdit", 0, 0,
                                "Text end size (0 = Not Selected).", &ThirdFontSizeEdit);
  StaticFontSizeCheckBox =
      Make<QCheckBox>(tab, "StaticFontSizeCheckBox", "Static Size (Unchecked)/Relative Size (Checked)");

  HTMLDocClientPanel = Make<QGroupBox>(tab, "HTMLDocClientPanel", {}, "HTML Text Preview");
  ResultRichEdit = Make<QTextEdit>(HTMLDocClientPanel, "ResultRichEdit");
  ResultRichEdit->setReadOnly(true);
  ResultRichEdit->setFocusPolicy(Qt::StrongFocus);  // its menu, from the keyboard too
  ResultRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ResultRichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ResultRichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
  ResultRichEdit->setFont(ContentFont("Times New Roman", QFont::Serif, 12));
  MinimumTextArea(ResultRichEdit, 40, 2);
  ColumnOn(HTMLDocClientPanel)->addWidget(ResultRichEdit);
  const QColor base = ResultRichEdit->palette().color(QPalette::Base);
  background_ = FromQColor(base);

  QGridLayout* grid = GridOn(tab);
  grid->addWidget(TextToColourMemo, 0, 0);
  grid->addWidget(ColourCheckListBox, 0, 1);
  auto* sizes = Row({FirstFontSizeUpDown, SecondFontSizeUpDown, ThirdFontSizeUpDown});
  auto* faces = new QVBoxLayout;
  faces->setContentsMargins(0, 0, 0, 0);
  faces->addWidget(FontComboBox);
  faces->addLayout(sizes);
  faces->addWidget(StaticFontSizeCheckBox);
  faces->addStretch(1);
  grid->addLayout(faces, 0, 2);
  grid->addWidget(HTMLDocClientPanel, 1, 0, 1, 3);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);
}

void TextColourizer::BuildMenu(QWidget* tab) {
  PopupMenu* m = TextColourizerPopupExt = MakePopup(tab, "TextColourizerPopupExt", onTop_);
  BoldAction = m->AddItem("Bold1", "Bold", true);
  ItalicAction = m->AddItem("Italic1", "Italic", true);
  UnderlineAction = m->AddItem("Underline1", "Underline", true);
  StrikeOutAction = m->AddItem("StrikeOut1", "Strike Out", true);
  ShowUnicodeChartAction = m->AddItem("ShowUnicodeChart1", "Show Unicode Chart", true);
  m->addSeparator();
  SetBackgroundColourAction = m->AddItem("SetBackgroundColour1", "Set Background Colour");
  m->addSeparator();
  CopyHtmlAction = m->AddItem("CopyHTMLToClipBoard1", "Copy HTML to Clipboard");
  CopyBackgroundHtmlAction =
      m->AddItem("CopyBackgroundHTMLtoClipboard1", "Copy Background HTML to Clipboard");
  CopyRichTextAction = m->AddItem("CopyRichTextToClipboard1", "Copy Rich Text to Clipboard");
  m->addSeparator();
  UseWebSafeColoursAction = m->AddItem("UseWebSafeColours1", "Use Web Safe Colours", true);
  LineBreakAfterEachBlockAction =
      m->AddItem("CarriageReturnAfterEachChrBlock1", "Carriage Return After Each Chr. Block", true);
  // The HTML as CSS spans, for pages written today; FONT tags stay the default.
  CssSpanOutputAction = m->AddItem("CssSpanOutput1", "CSS <span> Output", true);
  m->addSeparator();
  ViewInBiggerWindowAction = m->AddItem("ViewInBiggerWindow1", "View In Bigger Window");
}

void TextColourizer::Connect() {
  Link(TextToColourMemo, &QPlainTextEdit::textChanged, this, [this] { TextToColourMemoChange(); });
  Link(ColourCheckListBox, &ColourCheckList::EntriesDropped, this, [this](const QByteArray& lines) {
    ColourCheckListBox->AppendEntries(ParseCdtText(lines.toStdString()));
  });
  Link(ColourCheckListBox, &ColourCheckList::MovedWithin, this, [this](QPoint pos) {
    ColourCheckListBox->MoveCurrentTo(pos);
    UpdatePreview();
  });
  Link(ColourCheckListBox, &QListWidget::itemChanged, this, [this](QListWidgetItem*) { UpdatePreview(); });
  Link(ColourCheckListBox, &ColourCheckList::RightPressed, this, [this] {
    if (ColourCheckListBox->count() == 0) return;
    ColourCheckListBox->DeleteSelected();
    UpdatePreview();
  });
  Link(ColourCheckListBox, &ColourCheckList::KeyPressed, this,
       [this](QKeyEvent* e, bool* consumed) { ColourCheckListBoxKeyDown(e, consumed); });
  Link(FontComboBox, &QComboBox::currentIndexChanged, this, [this](int) {
    FontComboBox->setToolTip(FontComboBox->currentText());
    UpdatePreview();
  });
  Link(FirstFontSizeUpDown, &QSpinBox::valueChanged, this, [this](int) { FirstFontSizeEditChange(); });
  for (QSpinBox* box : {SecondFontSizeUpDown, ThirdFontSizeUpDown})
    Link(box, &QSpinBox::valueChanged, this, [this](int) { UpdatePreview(); });
  Link(StaticFontSizeCheckBox, &QCheckBox::toggled, this, [this](bool) { StaticFontSizeCheckBoxClick(); });
  for (QAction* style : {BoldAction, ItalicAction, UnderlineAction, StrikeOutAction, UseWebSafeColoursAction})
    Link(style, &QAction::triggered, this, [this](bool) {
      UpdatePreview();
      RefocusText();
    });
  for (QAction* option : {LineBreakAfterEachBlockAction, CssSpanOutputAction})
    Link(option, &QAction::triggered, this, [this](bool) { RefocusText(); });
  Link(SetBackgroundColourAction, &QAction::triggered, this, [this](bool) { SetBackgroundColourClick(); });
  Link(CopyHtmlAction, &QAction::triggered, this, [this](bool) { CopyHtmlClick(); });
  Link(CopyBackgroundHtmlAction, &QAction::triggered, this, [this](bool) { CopyBackgroundHtmlClick(); });
  Link(CopyRichTextAction, &QAction::triggered, this, [this](bool) { CopyRichTextClick(); });
  Link(ViewInBiggerWindowAction, &QAction::triggered, this, [this](bool) { ViewInBiggerWindowClick(); });
  Link(ShowUnicodeChartAction, &QAction::triggered, this, [this](bool) { ShowUnicodeChartClick(); });
  const auto menuOn = [this](QTextEdit* preview) {
    Link(preview, &QWidget::customContextMenuRequested, this,
         [this, preview](QPoint p) { TextColourizerPopupExt->Popup(preview->mapToGlobal(p)); });
  };
  menuOn(ResultRichEdit);
  preview_.OnMade([this, menuOn](ColourizerPreviewWindow& window) {
    onTop_.Follow(&window, true);
    menuOn(window.Preview());
    Link(&window, &ColourizerPreviewWindow::Shown, this, [this] { UpdatePreview(); });
    // The background chosen before the window was first opened.
    if (FromQColor(window.Preview()->palette().color(QPalette::Base)) != background_) {
      QPalette palette = window.Preview()->palette();
      palette.setColor(QPalette::Base, ToQColor(background_));
      window.Preview()->setPalette(palette);
    }
  });
}

ColourizerPreviewWindow* TextColourizer::Preview() { return preview_.get(); }

bool TextColourizer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TextToColourMemo && event->type() == QEvent::KeyPress) {
    // The text is one run of characters: Enter adds no line.
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  } else if (watched == tab_ && event->type() == QEvent::Show) {
    TextToColourMemo->setFocus();
  } else if (UnicodeMemo && watched == UnicodeMemo->viewport() && event->type() == QEvent::MouseButtonPress &&
             static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    ShowUnicodeChartAction->setChecked(false);
    Guarded([this] { ShowUnicodeChartClick(); });
    return true;
  } else if (UnicodeMemo && watched == UnicodeMemo->viewport() &&
             event->type() == QEvent::MouseButtonRelease) {
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    // The chart takes the release first, so its selection is complete when it is copied.
    UnicodeMemo->viewport()->removeEventFilter(this);
    QCoreApplication::sendEvent(watched, event);
    UnicodeMemo->viewport()->installEventFilter(this);
    Guarded([this, button] { UnicodeMemoMouseUp(button); });
    return true;
  }
  return QObject::eventFilter(watched, event);
}

ColourizerInput TextColourizer::Input() const {
  ColourizerInput in;
  std::u32string text;
  for (char32_t c : TextToColourMemo->toPlainText().toUcs4())
    text += (c == U'\u2028' || c == U'\u2029') ? U'\n' : c;
  in.text = NormaliseColourizerText(text);
  in.colours = ColourCheckListBox->Entries();
  if (FontComboBox->currentIndex() > 0) in.face = FontComboBox->currentText().toStdString();
  in.base = FirstFontSizeUpDown->value();
  in.start = SecondFontSizeUpDown->value();
  in.end = ThirdFontSizeUpDown->value();
  in.relative = StaticFontSizeCheckBox->isChecked();
  in.styles = {BoldAction->isChecked(), ItalicAction->isChecked(), UnderlineAction->isChecked(),
               StrikeOutAction->isChecked()};
  in.webSafe = UseWebSafeColoursAction->isChecked();
  in.linePerBlock = LineBreakAfterEachBlockAction->isChecked();
  in.cssSpans = CssSpanOutputAction->isChecked();
  return in;
}

void TextColourizer::RefocusText() {
  if (preview_.IfMade() && preview_.IfMade()->Preview()->hasFocus()) return;
  if (TextToColourMemo->isVisible()) TextToColourMemo->setFocus();
}

// ---------------------------------------------------------------- handlers

void TextColourizer::TextToColourMemoChange() {
  if (EnforceTextLimit()) return;  // the shortened text changes again, and comes back here
  UpdatePreview();
}

bool TextColourizer::EnforceTextLimit() {
  const qsizetype length = TextToColourMemo->toPlainText().toUcs4().size();
  if (length <= static_cast<qsizetype>(kColourizerMaxChars)) return false;
  // What went over the limit is what was just typed or pasted: the characters before the caret.
  QTextCursor cursor = TextToColourMemo->textCursor();
  const int excess = static_cast<int>(length - static_cast<qsizetype>(kColourizerMaxChars));
  if (cursor.position() < excess) cursor.movePosition(QTextCursor::End);
  cursor.clearSelection();
  cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, excess);
  cursor.removeSelectedText();
  TextToColourMemo->setTextCursor(cursor);
  return true;
}

void TextColourizer::FirstFontSizeEditChange() {
  const int b = FirstFontSizeUpDown->value();
  if (StaticFontSizeCheckBox->isChecked())
    for (QSpinBox* box : {SecondFontSizeUpDown, ThirdFontSizeUpDown}) box->setRange(-(b - 1), 7 - b);
  // The default base size stands out.
  QPalette palette = QApplication::palette(FirstFontSizeEdit);
  if (b == 3) {
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, QColor(0xAC, 0xFF, 0xAC));
  }
  FirstFontSizeEdit->setPalette(palette);
  UpdatePreview();
}

void TextColourizer::StaticFontSizeCheckBoxClick() {
  const int b = FirstFontSizeUpDown->value();
  const bool relative = StaticFontSizeCheckBox->isChecked();
  for (QSpinBox* box : {SecondFontSizeUpDown, ThirdFontSizeUpDown}) {
    const QSignalBlocker quiet(box);
    // The numbers stay where the new range allows: a start of 5 becomes the offset 4 with B = 3.
    box->setRange(relative ? -(b - 1) : 0, relative ? 7 - b : 7);
  }
  UpdatePreview();
}

void TextColourizer::ColourCheckListBoxKeyDown(QKeyEvent* event, bool* consumed) {
  if (event->key() == Qt::Key_Delete) {
    ColourCheckListBox->DeleteSelected();
    *consumed = true;
  }
  UpdatePreview();
}

}  // namespace tintora
