#include "mixer/hs_mixer.h"

#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include "core/colour/hsv.h"
#include "core/colour/rounding.h"
#include "core/harmony/harmony.h"
#include "core/mixer/spectrum.h"
#include "widgets/colour_panel.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/shape_box.h"

namespace tintora {

HsMixer::HsMixer(QWidget* page, ActiveColourHolder& active) : active_(active) {
  Build(page);
  Connect();
}

void HsMixer::Build(QWidget* page) {
  HSIDockPanel = Make<QWidget>(page, "HSIDockPanel");
  auto* mixer = Make<QFrame>(HSIDockPanel, "HSIMixerPanel");
  mixer->setFrameStyle(QFrame::Panel | QFrame::Raised);
  mixer->installEventFilter(this);
  HSIMixerPanel = mixer;
  ColumnOn(HSIDockPanel, true)->addWidget(mixer);
  QGridLayout* grid = GridOn(mixer);
  grid->setVerticalSpacing(grid->verticalSpacing() / 2);

  struct Row {
    ColourPanel** panel;
    const char* panelName;
    const char* caption;
    const char* panelHint;
    ImageBox** strip;
    const char* stripName;
    int stripWidth;
    QSlider** bar;
    const char* barName;
    int max, page;
    const char* barHint;
    QLineEdit** edit;
    const char* editName;
    QString start;
  };
  const Row rows[3] = {
      {&HuePanel, "HuePanel", "H", "", &ColourSpectrumImage, "ColourSpectrumImage", 254, &HueTrackBar,
       "HueTrackBar", 360, 10, "Slide to change the colour hue.", &HueEdit, "HueEdit",
       QString::fromUtf8("0\u00B0")},
      {&SaturationPanel, "SaturationPanel", "S", "Saturation", &SaturationSpectrum, "SaturationSpectrum", 255,
       &SaturationTrackBar, "SaturationTrackBar", 255, 5, "Slide to increase or decrease saturation value.",
       &SaturationEdit, "SaturationEdit", "0%"},
      {&HSIIntensityPanel, "HSIIntensityPanel", "V", "Vibrance", &VibranceIntensityImage,
       "VibranceIntensityImage", 254, &VibranceTrackBar, "IntensityTrackBar3", 255, 5,
       "Slide to increase or decrease intensity value.", &VibranceEdit, "Intensity3Edit", "0%"},
  };
  for (int r = 0; r < 3; ++r) {
    const Row& row = rows[r];
    auto* panel = Make<ColourPanel>(mixer, row.panelName, row.panelHint);
    panel->setMinimumSize(panel->fontMetrics().height() + 6, panel->fontMetrics().height() + 6);
    panel->SetCaption(row.caption);
    panel->UseSystemColours(true);
    *row.panel = panel;

    auto* bar = Make<QSlider>(mixer, row.barName, row.barHint, Qt::Horizontal);
    bar->setRange(0, row.max);
    bar->setPageStep(row.page);
    bar->setTickInterval(row.page == 10 ? 10 : 0);
    bar->setTickPosition(row.page == 10 ? QSlider::TicksBelow : QSlider::NoTicks);
    *row.bar = bar;

    // The strip's pixels stand over the handle's travel: the bar is exactly as wide as the strip
    // plus its handle.
    auto* strip = Make<ImageBox>(mixer, row.stripName);
    KeepLogicalSize(strip, {row.stripWidth, 5});
    strip->Picture() = QImage(row.stripWidth, 5, QImage::Format_RGB32);
    strip->Picture().fill(Qt::black);
    strip->SetGradient(true);
    *row.strip = strip;
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    bar->setFixedWidth(row.stripWidth + bar->style()->pixelMetric(QStyle::PM_SliderLength, &option, bar));

    auto* edit = Make<QLineEdit>(mixer, row.editName, {}, row.start);
    edit->setReadOnly(true);
    FitCharacters(edit, 7);
    *row.edit = edit;

    static const char* const kWhat[3] = {"Hue", "Saturation", "Vibrance"};
    panel->setAccessibleName(QString(kWhat[r]) + " presets");
    bar->setAccessibleName(kWhat[r]);
    edit->setAccessibleName(QString(kWhat[r]) + " value");
    strip->setAccessibleName(QString(kWhat[r]) + " strip");
    strip->setAccessibleDescription(
        QString("The colours the %1 bar runs through").arg(QString(kWhat[r]).toLower()));
    grid->addWidget(strip, 2 * r, 1, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(panel, 2 * r + 1, 0);
    grid->addWidget(bar, 2 * r + 1, 1);
    grid->addWidget(edit, 2 * r + 1, 2);
  }

  // Harmony markers over the hue strip, placed with it.
  const char* markerNames[3] = {"Shape4", "Shape5", "Shape6"};
  for (int i = 0; i < 3; ++i) {
    markers_[i] = Make<ShapeBox>(mixer, markerNames[i], {}, ShapeBox::Kind::Rectangle);
    markers_[i]->resize(3, 7);
    markers_[i]->SetBrushColour({255, 255, 255});
    markers_[i]->setAccessibleName("Harmony hue mark");
    markers_[i]->hide();
  }
  ColourSpectrumImage->installEventFilter(this);

  ActiveSpecCheckBox = Make<QCheckBox>(page, "ActiveSpecCheckBox", "Active Spectrum", "Act. Spec.");
  HSSwitchPanel = Make<QWidget>(page, "HSSwitchPanel");
  HSVRadioButton = Make<QRadioButton>(HSSwitchPanel, "HSVRadioButton",
                                      "Hue, Saturation, and Vibrance (Hex Cone Theory)", "HSV");
  HSVRadioButton->setChecked(true);
  HSIRadioButton =
      Make<QRadioButton>(HSSwitchPanel, "HSIRadioButton",
                         "Hue, Saturation, and Intensity (Colour Cube Theory - Experimental)", "HSI");
  ColumnOn(HSSwitchPanel, true)->addLayout(Column({HSVRadioButton, HSIRadioButton}));
  CalculatePanel = Make<ColourPanel>(page, "CalculatePanel", "Warning indicates colour distortion.");
  CalculatePanel->SetCaption("Calculate");
  CalculatePanel->UseSystemColours(true);
  ReserveText(CalculatePanel, " Calculate ");
  CalculatePanel->setMinimumHeight(CalculatePanel->fontMetrics().height() + 8);
  UndockHintLabel = Make<QLabel>(page, "UndockInstructLabel1", {}, "Drag a corner to dock or undock");
  UndockHintLabel->setWordWrap(true);
  UndockRightArrow = Make<QLabel>(page, "UndockInstructLabel2", {}, "->");
  UndockLeftArrow = Make<QLabel>(page, "UndockInstructLabel3", {}, "<-");

  QGridLayout* side = GridOn(page);
  side->addWidget(HSIDockPanel, 0, 0, 6, 1, Qt::AlignTop);
  side->addWidget(ActiveSpecCheckBox, 0, 1, 1, 2);
  side->addWidget(HSSwitchPanel, 1, 1, 1, 2);
  side->addWidget(UndockHintLabel, 2, 1, 1, 2);
  side->addWidget(CalculatePanel, 3, 1, 1, 2, Qt::AlignLeft);
  side->addWidget(UndockRightArrow, 4, 1);
  side->addWidget(UndockLeftArrow, 4, 2);
  side->setRowStretch(5, 1);
  side->setColumnStretch(3, 1);
  // The label wraps within the width the check box above it needs.
  UndockHintLabel->setMaximumWidth(
      std::max(ActiveSpecCheckBox->sizeHint().width(),
               UndockHintLabel->fontMetrics().horizontalAdvance("or undock") + 8));

  // The model switch and the calculation panel stay hidden until a key command reveals them.
  HSVRadioButton->hide();
  HSIRadioButton->hide();
  CalculatePanel->hide();
}

void HsMixer::Connect() {
  Link(&active_, &ActiveColourHolder::Changed, this,
       [this](const ActiveColour& now, const ActiveColour& before) { ActiveColourChanged(now, before); });
  Link(HueTrackBar, &QSlider::valueChanged, this, [this](int) { HsSliderChange(1); });
  Link(SaturationTrackBar, &QSlider::valueChanged, this, [this](int) { HsSliderChange(2); });
  Link(VibranceTrackBar, &QSlider::valueChanged, this, [this](int) { HsSliderChange(3); });
  Link(HuePanel, &ColourPanel::MousePressed, this,
       [this](Qt::MouseButton b, QPoint) { HSIAdjustTrackBar(1, b); });
  Link(SaturationPanel, &ColourPanel::MousePressed, this,
       [this](Qt::MouseButton b, QPoint) { HSIAdjustTrackBar(2, b); });
  Link(HSIIntensityPanel, &ColourPanel::MousePressed, this,
       [this](Qt::MouseButton b, QPoint) { HSIAdjustTrackBar(3, b); });
  Link(ActiveSpecCheckBox, &QCheckBox::toggled, this, [this](bool) { ActiveSpecCheckBoxClick(); });
  Link(HSVRadioButton, &QRadioButton::toggled, this, [this](bool on) {
    if (on) HsModeClick(false);
  });
  Link(HSIRadioButton, &QRadioButton::toggled, this, [this](bool on) {
    if (on) HsModeClick(true);
  });
  Link(CalculatePanel, &ColourPanel::Clicked, this, [this] { CalculatePanelClick(); });
}

bool HsMixer::ActiveSpectrum() const { return ActiveSpecCheckBox->isChecked(); }

// ---------------------------------------------------------------- from the active colour

void HsMixer::ActiveColourChanged(const ActiveColour& now, const ActiveColour& before) {
  // The offset alone leaves hue and saturation as they are.
  if (now.SameLevels(before)) return;
  // Levels the working values give came from this mixer's own sliders: the user's exact hue,
  // saturation and vibrance stay, rather than being recomputed from rounded components.
  if (now.SameLevels(WorkingColour())) {
    emit WorkingValuesChanged(working_);
  } else {
    RGBtoHSIHSV();
  }
}

void HsMixer::RGBtoHSIHSV() {
  if (HSVRadioButton->isChecked()) {
    RGBtoHSV();
    if (ActiveSpectrum()) {
      ChangeSpectrumImage(SpectrumMode::ActiveSaturation);
      ChangeSpectrumImage(SpectrumMode::ActiveVibrance);
    }
  }
  if (HSIRadioButton->isChecked()) HSICalculate();
  PlaceMarkers();
  emit WorkingValuesChanged(working_);
}

void HsMixer::MoveSliders(int hue, int saturation, int intensity) {
  // The sliders show the conversion; moving them must not convert back.
  const QSignalBlocker a(HueTrackBar), b(SaturationTrackBar), c(VibranceTrackBar);
  VibranceTrackBar->setValue(intensity);
  SaturationTrackBar->setValue(saturation);
  HueTrackBar->setValue(hue);
}

void HsMixer::ShowTexts(const std::string& hue, const std::string& saturation, const std::string& intensity) {
  HueEdit->setText(QString::fromStdString(hue));
  SaturationEdit->setText(QString::fromStdString(saturation));
  VibranceEdit->setText(QString::fromStdString(intensity));
}

void HsMixer::RGBtoHSV() {
  const ActiveColour& c = active_.Value();
  const HsMixerReadout r = tintora::RGBtoHSV(c.Red(), c.Green(), c.Blue());
  working_ = {r.hue, r.saturation, r.vibrance};
  MoveSliders(r.huePosition, r.saturationPosition, r.intensityPosition);
  ShowTexts(r.hueText, r.saturationText, r.intensityText);
  SetDistortion(r.distortion);
}

void HsMixer::HSICalculate() {
  const ActiveColour& c = active_.Value();
  const HsMixerReadout r = tintora::HSICalculate(c.Red(), c.Green(), c.Blue());
  working_ = {r.hue, r.saturation, r.vibrance};
  if (r.intensityHint) VibranceEdit->setToolTip(QString::fromStdString(*r.intensityHint));
  MoveSliders(r.huePosition, r.saturationPosition, r.intensityPosition);
  ShowTexts(r.hueText, r.saturationText, r.intensityText);
  SetDistortion(false);
}

void HsMixer::SetDistortion(bool distorted) {
  if (distorted) {
    CalculatePanel->SetColour({255, 0, 0});
    CalculatePanel->SetFontColour({});
  } else {
    CalculatePanel->UseSystemColours(true);
  }
}

// ---------------------------------------------------------------- into the active colour

RgbReal HsMixer::WorkingRgb() const {
  const HsToRgbResult r = HSIRadioButton->isChecked()
                              ? HSI_to_RGB_Calc(working_.hue, working_.saturation, working_.vibrance)
                              : tintora::HSVtoRGB(working_.hue, working_.saturation, working_.vibrance);
  return r.rgb;
}

ActiveColour HsMixer::WorkingColour() const {
  // Components above 255 (colour distortion) stop at the track bars' end.
  const RgbReal rgb = WorkingRgb();
  auto level = [](long double v) { return static_cast<int>(std::clamp<long long>(Round(v), 0, 255)); };
  return active_.Value().WithRgb(level(rgb.red), level(rgb.green), level(rgb.blue));
}

void HsMixer::HSIHSVtoRGB() {
  const bool hsi = HSIRadioButton->isChecked();
  const HsToRgbResult r = hsi ? HSI_to_RGB_Calc(working_.hue, working_.saturation, working_.vibrance)
                              : tintora::HSVtoRGB(working_.hue, working_.saturation, working_.vibrance);
  if (hsi && r.intensityHint) VibranceEdit->setToolTip(QString::fromStdString(*r.intensityHint));
  SetDistortion(r.distortion);
  ShowTexts(r.hueText, r.saturationText, r.intensityText);
  // New levels reach the harmony colours through the active colour's change; the same levels
  // (a step that rounds to the colour already shown) are told here.
  const ActiveColour colour = WorkingColour();
  if (colour.SameLevels(active_.Value())) {
    emit WorkingValuesChanged(working_);
  } else {
    active_.Set(colour);
  }
}

void HsMixer::HsSliderChange(int row) {
  switch (row) {
    case 1:
      working_.hue = HueTrackBar->value();
      break;
    case 2:
      working_.saturation = static_cast<long double>(SaturationTrackBar->value()) / 255;
      break;
    default:
      working_.vibrance = VibranceTrackBar->value();
      break;
  }
  if (!SpectrumRedrawPending_) {
    SpectrumRedrawPending_ = true;
    emit TickWanted();
  }
  PlaceMarkers();
  HSIHSVtoRGB();
}

void HsMixer::HSIAdjustTrackBar(int row, Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  const bool up = button == Qt::RightButton;
  QSlider* bar = row == 1 ? HueTrackBar : row == 2 ? SaturationTrackBar : VibranceTrackBar;
  bar->setValue(row == 1 ? NudgeHue(bar->value(), up) : NudgeLevel(bar->value(), up));
  bar->setFocus();
}

// ---------------------------------------------------------------- strips, model, markers

void HsMixer::ChangeSpectrumImage(SpectrumMode mode) {
  using enum SpectrumMode;
  ImageBox* image = mode == Hue                                              ? ColourSpectrumImage
                    : (mode == ActiveSaturation || mode == StaticSaturation) ? SaturationSpectrum
                                                                             : VibranceIntensityImage;
  QImage& picture = image->Picture();
  if (picture.format() != QImage::Format_RGB32) picture = picture.convertToFormat(QImage::Format_RGB32);
  auto* bits = reinterpret_cast<std::uint32_t*>(picture.bits());
  DrawSpectrum(mode,
               std::span<std::uint32_t>(bits, static_cast<std::size_t>(picture.width()) * picture.height()),
               picture.width(), picture.height(), working_.hue, working_.saturation, working_.vibrance);
  image->update();
}

void HsMixer::DrawStrips() {
  ChangeSpectrumImage(SpectrumMode::Hue);
  ChangeSpectrumImage(ActiveSpectrum() ? SpectrumMode::ActiveSaturation : SpectrumMode::StaticSaturation);
  ChangeSpectrumImage(ActiveSpectrum() ? SpectrumMode::ActiveVibrance : SpectrumMode::StaticVibrance);
}

void HsMixer::RedrawMarkedStrips() {
  if (SpectrumRedrawPending_ && ActiveSpectrum()) {
    ChangeSpectrumImage(SpectrumMode::ActiveSaturation);
    ChangeSpectrumImage(SpectrumMode::ActiveVibrance);
    SpectrumRedrawPending_ = false;
  }
}

void HsMixer::ActiveSpecCheckBoxClick() {
  const bool active = ActiveSpectrum();
  ChangeSpectrumImage(active ? SpectrumMode::ActiveSaturation : SpectrumMode::StaticSaturation);
  ChangeSpectrumImage(active ? SpectrumMode::ActiveVibrance : SpectrumMode::StaticVibrance);
}

void HsMixer::HsModeClick(bool hsi) {
  HSIIntensityPanel->SetCaption(hsi ? "I" : "V");
  HSIIntensityPanel->setToolTip(hsi ? "Intensity" : "Vibrance");
  CalculatePanelClick();
}

void HsMixer::CalculatePanelClick() { RGBtoHSIHSV(); }

void HsMixer::ToggleCalculateControls() {
  const bool reveal = CalculatePanel->isHidden();
  CalculatePanel->setVisible(reveal);
  HSVRadioButton->setVisible(reveal);
  HSIRadioButton->setVisible(reveal);
  UndockHintLabel->setVisible(!reveal);
  UndockRightArrow->setVisible(!reveal);
  UndockLeftArrow->setVisible(!reveal);
}

void HsMixer::SetHarmonyMarkers(const std::vector<int>& offsets) {
  markerOffsets_ = offsets;
  PlaceMarkers();
}

void HsMixer::PlaceMarkers() {
  for (std::size_t i = 0; i < 3; ++i) {
    ShapeBox* marker = markers_[i];
    const bool shown = i < markerOffsets_.size();
    if (shown)
      marker->move(ColourSpectrumImage->x() + MarkerLeft(HueTrackBar->value(), markerOffsets_[i]),
                   ColourSpectrumImage->y() - 1);
    marker->setVisible(shown);
    marker->raise();
  }
}

}  // namespace tintora
