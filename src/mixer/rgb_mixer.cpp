#include "mixer/rgb_mixer.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>

#include "core/colour/conversion_error.h"
#include "core/colour/number_text.h"
#include "core/colour/text_filters.h"
#include "core/mixer/mixer_maths.h"
#include "core/settings/settings_values.h"
#include "widgets/colour_panel.h"
#include "widgets/glyphs.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {

struct RowSpec {
  const char* name;     // "Red" ... "Yellow"
  const char* caption;  // "R" ... "Y"
  Rgb8 colour;          // caption panel colour
};

const RowSpec kRows[6] = {{"Red", "R", Rgb8{255, 0, 0}},       {"Green", "G", Rgb8{0, 255, 0}},
                          {"Blue", "B", Rgb8{0, 0, 255}},      {"Cyan", "C", Rgb8{0, 255, 255}},
                          {"Magenta", "M", Rgb8{255, 0, 255}}, {"Yellow", "Y", Rgb8{255, 255, 0}}};

// Width that gives the track bar one pixel per level between its two end positions.
int TrackBarWidth(QSlider* slider, int levels) {
  QStyleOptionSlider opt;
  opt.initFrom(slider);
  opt.orientation = Qt::Horizontal;
  return levels + slider->style()->pixelMetric(QStyle::PM_SliderLength, &opt, slider);
}

QByteArray Name(ColourComponent c, const char* suffix) { return QByteArray(kRows[IndexOf(c)].name) + suffix; }

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

void SetEditText(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

QSlider* MakeTrackBar(QWidget* page, const char* name, int minimum, int maximum, int start) {
  auto* bar = Make<QSlider>(page, name, {}, Qt::Horizontal);
  bar->setRange(minimum, maximum);
  bar->setPageStep(5);
  bar->setTickInterval(5);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setValue(start);
  bar->setMinimumWidth(TrackBarWidth(bar, 255));
  return bar;
}

// The columns of a mixer page: caption, track bar, hex, decimal, percentage, preview.
enum Column { kCaption, kBar, kHex, kDecimal, kPercent, kPreview };

QGridLayout* GridOf(QWidget* page) { return static_cast<QGridLayout*>(page->layout()); }

}  // namespace

void MarkOffset(QLineEdit* edit, bool offset) {
  if (offset) {
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, QColor(255, 255, 0));
    pal.setColor(QPalette::Text, Qt::black);
    edit->setPalette(pal);
  } else {
    edit->setPalette(QPalette());
  }
}

RgbMixer::RgbMixer(QWidget* rgbPage, QWidget* cmyPage, ActiveColourHolder& active, StayOnTop& onTop)
    : active_(active), onTop_(onTop) {
  for (QWidget* page : {rgbPage, cmyPage}) {
    QGridLayout* grid = GridOn(page);
    grid->setColumnStretch(kBar, 1);
    grid->setRowStretch(5, 1);
    grid->setRowMinimumHeight(3, grid->verticalSpacing());  // a gap before the intensity row
  }
  for (ColourComponent c : kColourComponents)
    BuildComponentRow(IsCmy(c) ? cmyPage : rgbPage, c, static_cast<int>(IndexOf(c) % 3));
  BuildIntensityRow(rgbPage, false);
  BuildIntensityRow(cmyPage, true);
  BuildWebSafeGrid(rgbPage, 1);
  BuildWebSafeGrid(cmyPage, 7);
  BuildPreviews(rgbPage);
  RGBandCMYPopupExt = MakePopup(rgbPage, "RGBandCMYPopupExt", onTop_);
  WebSafeGridAction =
      RGBandCMYPopupExt->AddItem("WebSafeIndicatorGridONOFF1", "Web Safe Indicator Grid ON/OFF", true);
  Connect();
  ShowPreviews(active_.Value());
  ColourPercentDisplayUpdate(active_.Value());
}

void RgbMixer::BuildComponentRow(QWidget* page, ColourComponent c, int row) {
  const std::size_t i = IndexOf(c);
  auto* panel = Make<ColourPanel>(page, Name(c, "Panel"));
  panel->setMinimumSize(panel->fontMetrics().height() + 6, panel->fontMetrics().height() + 6);
  panel->SetCaption(kRows[i].caption);
  panel->SetColour(kRows[i].colour);
  panel->SetFontColour(c == ColourComponent::Blue ? Rgb8{255, 255, 255} : Rgb8{});
  componentPanel_[i] = panel;

  QSlider* bar = MakeTrackBar(page, Name(c, "TrackBar"), 0, 255, IsCmy(c) ? 255 : 0);
  bar->setSingleStep(1);
  bar->setContextMenuPolicy(Qt::CustomContextMenu);
  componentTrackBar_[i] = bar;

  hexEdit_[i] = Make<QLineEdit>(page, Name(c, "HexEdit"), {}, IsCmy(c) ? "FF" : "00");
  hexEdit_[i]->setMaxLength(2);
  FitCharacters(hexEdit_[i], 2);
  decimalEdit_[i] = Make<QLineEdit>(page, Name(c, "DecimalEdit"), {}, IsCmy(c) ? "255" : "0");
  decimalEdit_[i]->setMaxLength(3);
  FitCharacters(decimalEdit_[i], 3);
  percentLabel_[i] = Make<QLabel>(page, Name(c, "Percent"));
  ReserveText(percentLabel_[i], "100.000%");

  const QString colour = kRows[i].name;
  panel->setAccessibleName(colour + " presets");
  bar->setAccessibleName(colour);
  hexEdit_[i]->setAccessibleName(colour + " in hexadecimal");
  decimalEdit_[i]->setAccessibleName(colour + " in decimal");
  QGridLayout* grid = GridOf(page);
  grid->addWidget(panel, row, kCaption);
  grid->addWidget(bar, row, kBar);
  grid->addWidget(hexEdit_[i], row, kHex);
  grid->addWidget(decimalEdit_[i], row, kDecimal);
  grid->addWidget(percentLabel_[i], row, kPercent);
}

void RgbMixer::BuildIntensityRow(QWidget* page, bool cmy) {
  auto* reset = Make<QToolButton>(page, cmy ? "CMYIntensitySpeedButton" : "RGBIntensitySpeedButton");
  reset->setIcon(GlyphIcon(":/glyphs/reset.svg"));
  reset->setAutoRaise(true);
  reset->setCursor(Qt::PointingHandCursor);
  reset->setAccessibleName(cmy ? "Reset the black" : "Reset the intensity");
  QSlider* bar = MakeTrackBar(page, cmy ? "IntensityTrackBar2" : "IntensityTrackBar", -100, 100, 0);
  bar->setToolTip("Slide to increase or decrease the intensity value.");
  auto* edit = Make<QLineEdit>(page, cmy ? "CMYIntensityEdit" : "IntensityEdit",
                               cmy ? "Percent Of Black or \"K\" Value." : "Percentage Of White.", "0%");
  edit->setReadOnly(true);
  (cmy ? CMYIntensitySpeedButton : RGBIntensitySpeedButton) = reset;
  (cmy ? CmyIntensityTrackBar : IntensityTrackBar) = bar;
  (cmy ? CMYIntensityEdit : IntensityEdit) = edit;
  QGridLayout* grid = GridOf(page);
  grid->addWidget(reset, 4, kCaption);
  grid->addWidget(bar, 4, kBar);
  grid->addWidget(edit, 4, kHex, 1, 3);
}

void RgbMixer::BuildWebSafeGrid(QWidget* page, int firstShape) {
  static const char* const kHints[6] = {"0", "51 (33h)", "102 (66h)", "153 (99h)", "204 (CCh)", "255 (FFh)"};
  for (int k = 0; k < 6; ++k) {
    const QByteArray name = "WebsafeGridShape" + QByteArray::number(firstShape + k);
    auto* line = Make<QWidget>(page, name, kHints[k]);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::Dark);
    line->hide();
    websafeGridShape_[firstShape + k] = line;
  }
  // The lines stand where the handle stands at 0, 51 ... 255, over the three track bars, wherever
  // the layout puts them.
  QSlider* first = Bar(firstShape == 1 ? ColourComponent::Red : ColourComponent::Cyan);
  first->installEventFilter(this);
}

void RgbMixer::PlaceWebSafeGrid(int firstShape) {
  QSlider* first = Bar(firstShape == 1 ? ColourComponent::Red : ColourComponent::Cyan);
  QSlider* last = Bar(firstShape == 1 ? ColourComponent::Blue : ColourComponent::Yellow);
  QStyleOptionSlider opt;
  opt.initFrom(first);
  opt.orientation = Qt::Horizontal;
  opt.minimum = first->minimum();
  opt.maximum = first->maximum();
  opt.rect = first->rect();
  const int top = first->y(), bottom = last->geometry().bottom();
  for (int k = 0; k < 6; ++k) {
    opt.sliderPosition = opt.sliderValue = 51 * k;
    const QRect handle =
        first->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, first);
    websafeGridShape_[firstShape + k]->setGeometry(first->x() + handle.center().x(), top, 1,
                                                   bottom - top + 1);
  }
}

void RgbMixer::BuildPreviews(QWidget* page) {
  // Each RGB row shows its own level in a small swatch; the intensity row its grey.
  const struct {
    ColourPanel** panel;
    const char* name;
    const char* hint;
    int row;
  } previews[4] = {
      {&RedPreviewPanel, "RedPreviewPanel", "Red Intensity Display", 0},
      {&GreenPreviewPanel, "GreenPreviewPanel", "Green Intensity Display", 1},
      {&BluePreviewPanel, "BluePreviewPanel", "Blue Intensity Display", 2},
      {&IntensityPreviewPanel, "IntensityPreviewPanel", "Colour Intensity Offset", 4},
  };
  for (const auto& p : previews) {
    *p.panel = Make<ColourPanel>(page, p.name, p.hint);
    (*p.panel)->SetBevel(false);
    (*p.panel)->setMinimumSize(16, 22);
    GridOf(page)->addWidget(*p.panel, p.row, kPreview);
  }
}

void RgbMixer::Connect() {
  Link(&active_, &ActiveColourHolder::Changed, this,
       [this](const ActiveColour& now, const ActiveColour& before) { ActiveColourChanged(now, before); });
  for (ColourComponent c : kColourComponents) {
    const std::size_t i = IndexOf(c);
    Link(componentTrackBar_[i], &QSlider::valueChanged, this, [this, c](int) { ColourTrackBarChanged(c); });
    Link(decimalEdit_[i], &QLineEdit::textChanged, this, [this, c](const QString&) { TextFieldFilter(c); });
    Link(hexEdit_[i], &QLineEdit::textChanged, this, [this, c](const QString&) { TextFieldToHexFilter(c); });
    Link(hexEdit_[i], &QLineEdit::returnPressed, this, [this, c] { HexColourSet(c); });
    hexEdit_[i]->installEventFilter(this);
    Link(componentPanel_[i], &ColourPanel::MousePressed, this,
         [this, c](Qt::MouseButton b, QPoint) { ComponentPanelMouseDown(c, b); });
    Link(componentTrackBar_[i], &QSlider::customContextMenuRequested, this,
         [this, i](const QPoint& p) { RGBandCMYPopupExt->Popup(componentTrackBar_[i]->mapToGlobal(p)); });
  }
  Link(IntensityTrackBar, &QSlider::valueChanged, this, [this](int i) { active_.SetIntensity(i); });
  Link(CmyIntensityTrackBar, &QSlider::valueChanged, this, [this](int k) { active_.SetIntensity(-k); });
  Link(RGBIntensitySpeedButton, &QToolButton::clicked, this,
       [this](bool) { RGBIntensitySpeedButtonClick(RGBIntensitySpeedButton); });
  Link(CMYIntensitySpeedButton, &QToolButton::clicked, this,
       [this](bool) { RGBIntensitySpeedButtonClick(CMYIntensitySpeedButton); });
  Link(WebSafeGridAction, &QAction::triggered, this, [this](bool) { WebSafeGridToggle(); });
}

// ---------------------------------------------------------------- into the active colour

void RgbMixer::ColourTrackBarChanged(ColourComponent c) { active_.SetComponent(c, Bar(c)->value()); }

void RgbMixer::TextFieldFilter(ColourComponent c) {
  const std::size_t i = IndexOf(c);
  QLineEdit* edit = decimalEdit_[i];
  const QString text = edit->text();
  const EditFilterResult r =
      tintora::TextFieldFilter(text.toStdString(), CharCaret(text, edit->cursorPosition()),
                               componentTrackBar_[i]->minimum(), componentTrackBar_[i]->maximum());
  ApplyFilterResult(edit, r);
  if (r.conversionError) throw ConversionError(r.text);
  componentTrackBar_[i]->setValue(*r.trackBarPosition);
}

void RgbMixer::TextFieldToHexFilter(ColourComponent c) {
  QLineEdit* edit = hexEdit_[IndexOf(c)];
  const QString text = edit->text();
  ApplyFilterResult(
      edit, tintora::TextFieldToHexFilter(text.toStdString(), CharCaret(text, edit->cursorPosition())));
}

void RgbMixer::HexColourSet(std::optional<ColourComponent> only) {
  for (ColourComponent c : kColourComponents) {
    if (only && *only != c) continue;
    Bar(c)->setValue(ParseDollarHex(hexEdit_[IndexOf(c)]->text().toUpper().toStdString()));
  }
}

void RgbMixer::HexEntryEditPrep(QLineEdit* edit) {
  HexColourSet(std::nullopt);
  edit->selectAll();
}

void RgbMixer::RGBIntensitySpeedButtonClick(QToolButton* sender) {
  IntensityTrackBar->setValue(0);
  (sender == CMYIntensitySpeedButton ? CmyIntensityTrackBar : IntensityTrackBar)->setFocus();
}

void RgbMixer::AdjustTrackBar(ColourComponent c, Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  // The right button raises the RGB value. On the CMY panels that lowers the CMY twin, so there a
  // left click gives the next higher CMY preset, as their hints promise.
  QSlider* rgb = Bar(RgbTwin(c));
  rgb->setValue(button == Qt::RightButton ? SnapUp(rgb->value()) : SnapDown(rgb->value()));
}

void RgbMixer::ComponentPanelMouseDown(ColourComponent c, Qt::MouseButton button) {
  AdjustTrackBar(c, button);
  Bar(c)->setFocus();
}

void RgbMixer::WebSafeGridToggle() {
  const bool on = WebSafeGridAction->isChecked();
  PlaceWebSafeGrid(1);
  PlaceWebSafeGrid(7);
  for (int k = 1; k <= 12; ++k) websafeGridShape_[k]->setVisible(on);
}

void RgbMixer::ApplySettings(const SettingsValues& v) {
  if (v.webSafeGrid && !WebSafeGridAction->isChecked()) {
    WebSafeGridAction->setChecked(true);
    WebSafeGridToggle();
  }
}

void RgbMixer::CollectSettings(SettingsValues& v) const { v.webSafeGrid = WebSafeGridAction->isChecked(); }

bool RgbMixer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize || event->type() == QEvent::Move) {
    if (watched == Bar(ColourComponent::Red)) PlaceWebSafeGrid(1);
    if (watched == Bar(ColourComponent::Cyan)) PlaceWebSafeGrid(7);
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    for (QLineEdit* edit : hexEdit_)
      if (watched == edit) Guarded([&] { HexEntryEditPrep(edit); });
  }
  return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- from the active colour

void RgbMixer::ActiveColourChanged(const ActiveColour& now, const ActiveColour& before) {
  // Only the rows that moved: a hex text typed into another row waits for its Enter.
  for (ColourComponent c : kRgbComponents) {
    if (now.Component(c) == before.Component(c)) continue;
    ShowComponent(c, now.Component(c));
    ShowComponent(CmyTwin(c), now.Component(CmyTwin(c)));
  }
  if (now.Intensity() != before.Intensity()) ShowIntensity(now.Intensity());
  ShowPreviews(now);
  ColourPercentDisplayUpdate(now);
}

void RgbMixer::ShowComponent(ColourComponent c, int level) {
  {
    const QSignalBlocker block(Bar(c));
    Bar(c)->setValue(level);
  }
  SetEditText(decimalEdit_[IndexOf(c)], QString::number(level));
  SetEditText(hexEdit_[IndexOf(c)], QString::fromStdString(IntToHex(level, 2)));
}

void RgbMixer::ShowIntensity(int i) {
  SetEditText(IntensityEdit, QString::number(i) + "%");
  SetEditText(CMYIntensityEdit, QString::number(-i) + "%");
  for (auto [bar, position] : {std::pair{IntensityTrackBar, i}, {CmyIntensityTrackBar, -i}}) {
    const QSignalBlocker block(bar);
    bar->setValue(position);
  }
  MarkOffset(IntensityEdit, i != 0);
  MarkOffset(CMYIntensityEdit, i != 0);
}

void RgbMixer::ShowPreviews(const ActiveColour& c) {
  // Each component without the offset: the track bars' own levels.
  RedPreviewPanel->SetColour(Rgb8::OfLevels(c.Red(), 0, 0));
  GreenPreviewPanel->SetColour(Rgb8::OfLevels(0, c.Green(), 0));
  BluePreviewPanel->SetColour(Rgb8::OfLevels(0, 0, c.Blue()));
  IntensityPreviewPanel->SetColour(Rgb8::OfLevels(c.Grey(), c.Grey(), c.Grey()));
}

void RgbMixer::ColourPercentDisplayUpdate(const ActiveColour& c) {
  for (ColourComponent k : kColourComponents) {
    const QString text = QString::fromStdString(CalculatePercentString(3, c.Component(k), 255));
    if (percentLabel_[IndexOf(k)]->text() != text) percentLabel_[IndexOf(k)]->setText(text);
  }
}

}  // namespace tintora
