// The RGB and CMY mixer pages: six component rows kept in step (each CMY track bar mirrors its
// RGB twin), the intensity offset rows, preset snapping on the caption panels and the web-safe
// indicator grid.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>

#include "app/controls/colour_panel.h"
#include "app/guarded.h"
#include "app/popup_ext.h"
#include "app/tform1.h"
#include "colour/conversion_error.h"
#include "colour/number_text.h"
#include "colour/text_filters.h"
#include "mixer/mixer_maths.h"

namespace tintora {

namespace {

struct RowSpec {
  const char* name;     // "Red" ... "Yellow"
  const char* caption;  // "R" ... "Y"
  int colour;           // caption panel colour (colour value)
};

const RowSpec kRows[7] = {{"", "", 0},
                          {"Red", "R", 0x0000FF},
                          {"Green", "G", 0x00FF00},
                          {"Blue", "B", 0xFF0000},
                          {"Cyan", "C", 0xFFFF00},
                          {"Magenta", "M", 0xFF00FF},
                          {"Yellow", "Y", 0x00FFFF}};

constexpr int kTrackBarLeft = 30;
constexpr int kRowHeight = 28;

// Width that gives the track bar one pixel per level between its two end positions.
int TrackBarWidth(QSlider* slider, int levels) {
  QStyleOptionSlider opt;
  opt.initFrom(slider);
  opt.orientation = Qt::Horizontal;
  const int handle = slider->style()->pixelMetric(QStyle::PM_SliderLength, &opt, slider);
  return levels + handle;
}

QString Name(int component, const char* suffix) { return QString(kRows[component].name) + suffix; }

// Caret position in characters of a text whose caret Qt counts in UTF-16 units.
int CharCaret(const QString& text, int utf16Caret) {
  return static_cast<int>(text.left(utf16Caret).toStdU32String().size());
}
int Utf16Caret(const QString& text, int charCaret) {
  return QString::fromStdU32String(text.toStdU32String().substr(0, static_cast<std::size_t>(charCaret)))
      .size();
}

void ApplyFilterResult(QLineEdit* edit, const EditFilterResult& r) {
  if (r.changed) {
    const QString text = QString::fromStdString(r.text);
    const QSignalBlocker block(edit);
    edit->setText(text);
    edit->setCursorPosition(Utf16Caret(text, r.caret));
  }
  if (r.selectAll) edit->selectAll();
}

}  // namespace

void TForm1::SetEditText(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

void TForm1::BuildComponentRow(QWidget* page, int i, int y) {
  auto* panel = new ColourPanel(Name(i, "Panel"), page);
  panel->SetCaption(kRows[i].caption);
  panel->SetColour(kRows[i].colour);
  panel->SetFontColour(i == 3 ? 0xFFFFFF : 0);
  panel->setGeometry(4, y + 2, 22, 22);
  componentPanel_[i] = panel;

  auto* bar = new QSlider(Qt::Horizontal, page);
  bar->setObjectName(Name(i, "TrackBar"));
  bar->setRange(0, 255);
  bar->setPageStep(5);
  bar->setSingleStep(1);
  bar->setTickInterval(5);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setValue(i <= 3 ? 0 : 255);
  bar->setContextMenuPolicy(Qt::CustomContextMenu);
  bar->setGeometry(kTrackBarLeft, y, TrackBarWidth(bar, 255), 26);
  componentTrackBar_[i] = bar;

  const int x = bar->geometry().right() + 4;
  auto* hex = new QLineEdit(i <= 3 ? "00" : "FF", page);
  hex->setObjectName(Name(i, "HexEdit"));
  hex->setMaxLength(2);
  hex->setGeometry(x, y + 2, 28, 22);
  hexEdit_[i] = hex;
  auto* dec = new QLineEdit(i <= 3 ? "0" : "255", page);
  dec->setObjectName(Name(i, "DecimalEdit"));
  dec->setMaxLength(3);
  dec->setGeometry(x + 32, y + 2, 34, 22);
  decimalEdit_[i] = dec;
  auto* percent = new QLabel(page);
  percent->setObjectName(Name(i, "Percent"));
  percent->setGeometry(x + 70, y + 4, 52, 18);
  percentLabel_[i] = percent;
}

void TForm1::BuildIntensityRow(QWidget* page, bool cmy, int y) {
  auto* reset = new QToolButton(page);
  reset->setObjectName(cmy ? "CMYIntensitySpeedButton" : "RGBIntensitySpeedButton");
  reset->setIcon(QIcon(":/glyphs/reset.png"));
  reset->setAutoRaise(true);
  reset->setCursor(Qt::PointingHandCursor);
  reset->setGeometry(4, y + 2, 22, 22);
  auto* bar = new QSlider(Qt::Horizontal, page);
  bar->setObjectName(cmy ? "IntensityTrackBar2" : "IntensityTrackBar");
  bar->setRange(-100, 100);
  bar->setPageStep(5);
  bar->setTickInterval(5);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setToolTip("Slide to increase or decrease the intensity value.");
  bar->setGeometry(kTrackBarLeft, y, TrackBarWidth(componentTrackBar_[1], 255), 26);
  auto* edit = new QLineEdit("0%", page);
  edit->setObjectName(cmy ? "CMYIntensityEdit" : "IntensityEdit");
  edit->setReadOnly(true);
  edit->setToolTip(cmy ? "Percent Of Black or \"K\" Value." : "Percentage Of White.");
  edit->setGeometry(bar->geometry().right() + 4, y + 2, 66, 22);
  if (cmy) {
    CMYIntensitySpeedButton = reset;
    IntensityTrackBar2 = bar;
    CMYIntensityEdit = edit;
  } else {
    RGBIntensitySpeedButton = reset;
    IntensityTrackBar = bar;
    IntensityEdit = edit;
  }
}

void TForm1::BuildWebSafeGrid(QWidget* page, int firstShape) {
  static const char* const kHints[6] = {"0", "51 (33h)", "102 (66h)", "153 (99h)", "204 (CCh)", "255 (FFh)"};
  QSlider* bar = firstShape == 1 ? RedTrackBar : CyanTrackBar;
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.orientation = Qt::Horizontal;
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.rect = QRect(0, 0, bar->width(), bar->height());
  for (int k = 0; k < 6; ++k) {
    opt.sliderPosition = opt.sliderValue = 51 * k;
    const QRect handle = bar->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, bar);
    auto* line = new QWidget(page);
    line->setObjectName(QString("WebsafeGridShape%1").arg(firstShape + k));
    line->setToolTip(kHints[k]);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    line->setPalette(pal);
    line->setGeometry(bar->x() + handle.center().x(), 2, 1, 3 * kRowHeight - 2);
    line->hide();
    websafeGridShape_[firstShape + k] = line;
  }
}

void TForm1::BuildMixers() {
  for (int i = 1; i <= 3; ++i) BuildComponentRow(RGBTabSheet, i, 6 + (i - 1) * kRowHeight);
  for (int i = 4; i <= 6; ++i) BuildComponentRow(TabSheet2, i, 6 + (i - 4) * kRowHeight);
  BuildIntensityRow(RGBTabSheet, false, 6 + 3 * kRowHeight + 6);
  BuildIntensityRow(TabSheet2, true, 6 + 3 * kRowHeight + 6);
  BuildWebSafeGrid(RGBTabSheet, 1);
  BuildWebSafeGrid(TabSheet2, 7);

  // Each RGB row shows its own level in a small swatch; the intensity row its grey.
  auto preview = [](QWidget* page, const char* name, const char* hint, QRect r) {
    auto* p = new ColourPanel(name, page);
    p->setToolTip(hint);
    p->SetBevel(false);
    p->setGeometry(r);
    return p;
  };
  const int px = percentLabel_[1]->geometry().right() + 4;
  RedPreviewPanel = preview(RGBTabSheet, "RedPreviewPanel", "Red Intensity Display", {px, 8, 16, 22});
  GreenPreviewPanel =
      preview(RGBTabSheet, "GreenPreviewPanel", "Green Intensity Display", {px, 8 + kRowHeight, 16, 22});
  BluePreviewPanel =
      preview(RGBTabSheet, "BluePreviewPanel", "Blue Intensity Display", {px, 8 + 2 * kRowHeight, 16, 22});
  IntensityPreviewPanel = preview(RGBTabSheet, "IntensityPreviewPanel", "Colour Intensity Offset",
                                  {IntensityEdit->geometry().right() + 4, IntensityEdit->y(), 22, 22});

  RGBandCMYPopupExt = MakePopup("RGBandCMYPopupExt");
  WebSafeIndicatorGridONOFF1 = RGBandCMYPopupExt->addAction("Web Safe Indicator Grid ON/OFF");
  WebSafeIndicatorGridONOFF1->setObjectName("WebSafeIndicatorGridONOFF1");
  WebSafeIndicatorGridONOFF1->setCheckable(true);
}

void TForm1::ConnectMixers() {
  for (int i = 1; i <= 6; ++i) {
    if (i <= 3) {
      Link(componentTrackBar_[i], &QSlider::valueChanged, this, [this, i](int) { ColourTrackBarChanged(i); });
    } else {
      Link(componentTrackBar_[i], &QSlider::valueChanged, this, [this, i](int) { CmyTrackBarChange(i); });
    }
    Link(decimalEdit_[i], &QLineEdit::textChanged, this, [this, i](const QString&) { TextFieldFilter(i); });
    Link(hexEdit_[i], &QLineEdit::textChanged, this, [this, i](const QString&) { TextFieldToHexFilter(i); });
    Link(hexEdit_[i], &QLineEdit::returnPressed, this, [this, i] { HexColourSet(i); });
    hexEdit_[i]->installEventFilter(this);
    Link(componentPanel_[i], &ColourPanel::MousePressed, this,
         [this, i](Qt::MouseButton b, QPoint) { ComponentPanelMouseDown(i, b); });
    Link(componentTrackBar_[i], &QSlider::customContextMenuRequested, this,
         [this, i](const QPoint& p) { RGBandCMYPopupExt->Popup(componentTrackBar_[i]->mapToGlobal(p)); });
  }
  Link(IntensityTrackBar, &QSlider::valueChanged, this, [this](int) { IntensityTrackBarChange(); });
  Link(IntensityTrackBar2, &QSlider::valueChanged, this, [this](int) { IntensityTrackBar2Change(); });
  Link(RGBIntensitySpeedButton, &QToolButton::clicked, this,
       [this](bool) { RGBIntensitySpeedButtonClick(RGBIntensitySpeedButton); });
  Link(CMYIntensitySpeedButton, &QToolButton::clicked, this,
       [this](bool) { RGBIntensitySpeedButtonClick(CMYIntensitySpeedButton); });
  Link(WebSafeIndicatorGridONOFF1, &QAction::triggered, this,
       [this](bool) { WebSafeIndicatorGridONOFF1Click(); });
}

void TForm1::ColourTrackBarChanged(int n) {
  if (UpdatingMixer) return;
  UpdatingMixer = true;
  int* previous = n == 1 ? &PreviousRed : n == 2 ? &PreviousGreen : &PreviousBlue;
  const int p = componentTrackBar_[n]->value();
  if (p != *previous) {
    SetEditText(decimalEdit_[n], QString::number(p));
    SetEditText(hexEdit_[n], QString::fromStdString(IntToHex(p, 2)));
    QSlider* mirror = componentTrackBar_[n + 3];
    mirror->setValue(255 - p);
    SetEditText(decimalEdit_[n + 3], QString::number(mirror->value()));
    SetEditText(hexEdit_[n + 3], QString::fromStdString(IntToHex(mirror->value(), 2)));
    if (!UpdatingHS) RGBtoHSIHSV();
    CombinedColourValueUpdate();
    if (!DerivativesLocked) PalettePanelUpdate(n);
    *previous = p;
  }
  UpdatingMixer = false;
}

void TForm1::CmyTrackBarChange(int n) {
  componentTrackBar_[n - 3]->setValue(255 - componentTrackBar_[n]->value());
}

void TForm1::TextFieldFilter(int i) {
  QLineEdit* edit = decimalEdit_[i];
  const QString text = edit->text();
  const EditFilterResult r =
      tintora::TextFieldFilter(text.toStdString(), CharCaret(text, edit->cursorPosition()),
                               componentTrackBar_[i]->minimum(), componentTrackBar_[i]->maximum());
  ApplyFilterResult(edit, r);
  if (r.conversionError) throw ConversionError(r.text);
  componentTrackBar_[i]->setValue(*r.trackBarPosition);
}

void TForm1::TextFieldToHexFilter(int i) {
  QLineEdit* edit = hexEdit_[i];
  const QString text = edit->text();
  ApplyFilterResult(
      edit, tintora::TextFieldToHexFilter(text.toStdString(), CharCaret(text, edit->cursorPosition())));
}

void TForm1::HexEntryEditPrep(QLineEdit* edit) {
  HexColourSet(0);
  edit->selectAll();
}

void TForm1::IntensityTrackBarChange() {
  const int i = IntensityTrackBar->value();
  SetEditText(IntensityEdit, QString::number(i) + "%");
  SetEditText(CMYIntensityEdit, QString::number(-i) + "%");
  IntensityTrackBar2->setValue(-i);
  for (QLineEdit* edit : {IntensityEdit, CMYIntensityEdit, HexHTMLEdit}) {
    if (i != 0) {
      // Black on yellow: the shown value is not what the track bars alone say.
      QPalette pal = edit->palette();
      pal.setColor(QPalette::Base, ToQColor(65535));
      pal.setColor(QPalette::Text, Qt::black);
      edit->setPalette(pal);
    } else {
      edit->setPalette(QPalette());
    }
  }
  CombinedColourValueUpdate();
}

void TForm1::IntensityTrackBar2Change() { IntensityTrackBar->setValue(-IntensityTrackBar2->value()); }

void TForm1::RGBIntensitySpeedButtonClick(QToolButton* sender) {
  IntensityTrackBar->setValue(0);
  (sender == CMYIntensitySpeedButton ? IntensityTrackBar2 : IntensityTrackBar)->setFocus();
}

void TForm1::AdjustTrackBar(int n, Qt::MouseButton button) {
  QSlider* rgb = componentTrackBar_[n <= 3 ? n : n - 3];
  const int p = rgb->value();
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  // The right button raises the RGB value. On the CMY panels that lowers the CMY twin, so there a
  // left click gives the next higher CMY preset, as their hints promise.
  const bool snapUp = button == Qt::RightButton;
  rgb->setValue(snapUp ? SnapUp(p) : SnapDown(p));
}

void TForm1::ComponentPanelMouseDown(int n, Qt::MouseButton button) {
  AdjustTrackBar(n, button);
  componentTrackBar_[n]->setFocus();
}

void TForm1::WebSafeIndicatorGridONOFF1Click() { WebSafeGridToggle(); }

void TForm1::WebSafeGridToggle() {
  const bool on = WebSafeIndicatorGridONOFF1->isChecked();
  for (int k = 1; k <= 12; ++k) websafeGridShape_[k]->setVisible(on);
}

}  // namespace tintora
