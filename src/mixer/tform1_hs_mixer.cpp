// The hue/saturation mixer page: hue, saturation and vibrance (or intensity) sliders with
// their colour strips, the HSV/HSI switch, the nudges on the caption panels, and docking.
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>

#include "app/controls/colour_panel.h"
#include "app/controls/image_box.h"
#include "app/controls/shape_box.h"
#include "app/guarded.h"
#include "app/tform1.h"
#include "colour/hsv.h"
#include "colour/rounding.h"
#include "mixer/floating_mixer_window.h"
#include "mixer/mixer_maths.h"
#include "mixer/spectrum.h"

namespace tintora {

namespace {

constexpr QRect kMixerBounds{0, 0, 369, 108};

QLineEdit* ReadOnlyEdit(QWidget* parent, const char* name, const QString& text, QRect r) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  e->setReadOnly(true);
  e->setGeometry(r);
  return e;
}

}  // namespace

void TForm1::BuildHsMixer() {
  HSIDockPanel = new QWidget(TabSheet1);
  HSIDockPanel->setObjectName("HSIDockPanel");
  HSIDockPanel->setGeometry(4, 4, kMixerBounds.width(), kMixerBounds.height());
  HSIMixerPanel = new QFrame(HSIDockPanel);
  HSIMixerPanel->setObjectName("HSIMixerPanel");
  static_cast<QFrame*>(HSIMixerPanel)->setFrameStyle(QFrame::Panel | QFrame::Raised);
  HSIMixerPanel->setGeometry(kMixerBounds);
  HSIMixerPanel->installEventFilter(this);

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
      {&HuePanel, "HuePanel", "H", nullptr, &ColourSpectrumImage, "ColourSpectrumImage", 254, &HueTrackBar,
       "HueTrackBar", 360, 10, "Slide to change the colour hue.", &HueEdit, "HueEdit",
       QString::fromUtf8("0\u00B0")},
      {&SaturationPanel, "SaturationPanel", "S", "Saturation", &SaturationSpectrum, "SaturationSpectrum", 255,
       &SaturationTrackBar, "SaturationTrackBar", 255, 5, "Slide to increase or decrease saturation value.",
       &SaturationEdit, "SaturationEdit", "0%"},
      {&HSIIntensityPanel, "HSIIntensityPanel", "V", "Vibrance", &VibranceIntensityImage,
       "VibranceIntensityImage", 254, &IntensityTrackBar3, "IntensityTrackBar3", 255, 5,
       "Slide to increase or decrease intensity value.", &Intensity3Edit, "Intensity3Edit", "0%"},
  };
  for (int r = 0; r < 3; ++r) {
    const Row& row = rows[r];
    const int y = 4 + r * 34;
    auto* panel = new ColourPanel(row.panelName, HSIMixerPanel);
    panel->SetCaption(row.caption);
    panel->UseSystemColours(true);
    if (row.panelHint) panel->setToolTip(row.panelHint);
    panel->setGeometry(4, y + 6, 22, 22);
    *row.panel = panel;

    auto* bar = new QSlider(Qt::Horizontal, HSIMixerPanel);
    bar->setObjectName(row.barName);
    bar->setRange(0, row.max);
    bar->setPageStep(row.page);
    bar->setTickInterval(row.page == 10 ? 10 : 0);
    bar->setTickPosition(row.page == 10 ? QSlider::TicksBelow : QSlider::NoTicks);
    bar->setToolTip(row.barHint);
    bar->setGeometry(28, y + 6, 270, 24);
    *row.bar = bar;

    auto* strip = new ImageBox(row.stripName, HSIMixerPanel);
    strip->Picture() = QImage(row.stripWidth, 5, QImage::Format_RGB32);
    strip->Picture().fill(Qt::black);
    strip->setGeometry(28 + (270 - row.stripWidth) / 2, y + 1, row.stripWidth, 5);
    *row.strip = strip;

    *row.edit = ReadOnlyEdit(HSIMixerPanel, row.editName, row.start, {302, y + 6, 62, 22});
  }

  // Harmony markers over the hue strip; the harmony schemes move and show them.
  for (auto [shape, name] : {std::pair{&Shape4, "Shape4"}, {&Shape5, "Shape5"}, {&Shape6, "Shape6"}}) {
    *shape = new ShapeBox(name, ShapeBox::Kind::Rectangle, HSIMixerPanel);
    (*shape)->setGeometry(ColourSpectrumImage->x(), ColourSpectrumImage->y() - 1, 3, 7);
    (*shape)->SetBrushColour(0xFFFFFF);
    (*shape)->hide();
  }

  const int side = HSIDockPanel->geometry().right() + 8;
  ActiveSpecCheckBox = new QCheckBox("Act. Spec.", TabSheet1);
  ActiveSpecCheckBox->setObjectName("ActiveSpecCheckBox");
  ActiveSpecCheckBox->setToolTip("Active Spectrum");
  ActiveSpecCheckBox->setGeometry(side, 6, 86, 20);

  HSSwitchPanel = new QWidget(TabSheet1);
  HSSwitchPanel->setObjectName("HSSwitchPanel");
  HSSwitchPanel->setGeometry(side, 30, 70, 44);
  HSVRadioButton = new QRadioButton("HSV", HSSwitchPanel);
  HSVRadioButton->setObjectName("HSVRadioButton");
  HSVRadioButton->setToolTip("Hue, Saturation, and Vibrance (Hex Cone Theory)");
  HSVRadioButton->setGeometry(0, 0, 70, 20);
  HSVRadioButton->setChecked(true);
  HSIRadioButton = new QRadioButton("HSI", HSSwitchPanel);
  HSIRadioButton->setObjectName("HSIRadioButton");
  HSIRadioButton->setToolTip("Hue, Saturation, and Intensity (Colour Cube Theory - Experimental)");
  HSIRadioButton->setGeometry(0, 22, 70, 20);

  CalculatePanel = new ColourPanel("CalculatePanel", TabSheet1);
  CalculatePanel->SetCaption("Calculate");
  CalculatePanel->setToolTip("Warning indicates colour distortion.");
  CalculatePanel->UseSystemColours(true);
  CalculatePanel->setGeometry(side, 80, 66, 24);

  UndockInstructLabel1 = new QLabel("Drag a corner to dock or undock", TabSheet1);
  UndockInstructLabel1->setObjectName("UndockInstructLabel1");
  UndockInstructLabel1->setWordWrap(true);
  UndockInstructLabel1->setGeometry(side, 34, 66, 48);
  UndockInstructLabel2 = new QLabel("->", TabSheet1);
  UndockInstructLabel2->setObjectName("UndockInstructLabel2");
  UndockInstructLabel2->setGeometry(side, 86, 20, 16);
  UndockInstructLabel3 = new QLabel("<-", TabSheet1);
  UndockInstructLabel3->setObjectName("UndockInstructLabel3");
  UndockInstructLabel3->setGeometry(side + 40, 86, 20, 16);

  // The model switch and the calculation panel stay hidden until a key command reveals them.
  HSVRadioButton->hide();
  HSIRadioButton->hide();
  CalculatePanel->hide();
}

void TForm1::ConnectHsMixer() {
  Link(HueTrackBar, &QSlider::valueChanged, this, [this](int) { HsSliderChange(1); });
  Link(SaturationTrackBar, &QSlider::valueChanged, this, [this](int) { HsSliderChange(2); });
  Link(IntensityTrackBar3, &QSlider::valueChanged, this, [this](int) { HsSliderChange(3); });
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

// ---------------------------------------------------------------- conversions into the controls

void TForm1::RGBtoHSIHSV() {
  if (HSVRadioButton->isChecked()) {
    RGBtoHSV();
    if (ActiveSpecCheckBox->isChecked()) {
      ChangeSpectrumImage(1);
      ChangeSpectrumImage(2);
    }
  }
  if (HSIRadioButton->isChecked()) HSICalculate();
}

void TForm1::HSIHSVtoRGB() {
  if (HSVRadioButton->isChecked()) HSVtoRGB();
  if (HSIRadioButton->isChecked()) HSI_to_RGB_Calc();
}

void TForm1::SetDistortion(bool distorted) {
  if (distorted) {
    CalculatePanel->SetColour(255);
    CalculatePanel->SetFontColour(0);
  } else {
    CalculatePanel->UseSystemColours(true);
  }
}

namespace {
void ShowReadout(const HsMixerReadout& r, QSlider* hue, QSlider* sat, QSlider* intensity, QLineEdit* hueEdit,
                 QLineEdit* satEdit, QLineEdit* intensityEdit) {
  intensity->setValue(r.intensityPosition);
  intensityEdit->setText(QString::fromStdString(r.intensityText));
  sat->setValue(r.saturationPosition);
  satEdit->setText(QString::fromStdString(r.saturationText));
  hue->setValue(r.huePosition);
  hueEdit->setText(QString::fromStdString(r.hueText));
}
}  // namespace

void TForm1::RGBtoHSV() {
  const HsMixerReadout r =
      tintora::RGBtoHSV(RedTrackBar->value(), GreenTrackBar->value(), BlueTrackBar->value());
  CurrentHue = r.hue;
  CurrentSaturation = r.saturation;
  CurrentVibrance = r.vibrance;
  ShowReadout(r, HueTrackBar, SaturationTrackBar, IntensityTrackBar3, HueEdit, SaturationEdit,
              Intensity3Edit);
  SetDistortion(r.distortion);
}

void TForm1::HSICalculate() {
  const HsMixerReadout r =
      tintora::HSICalculate(RedTrackBar->value(), GreenTrackBar->value(), BlueTrackBar->value());
  CurrentHue = r.hue;
  CurrentSaturation = r.saturation;
  CurrentVibrance = r.vibrance;
  if (r.intensityHint) Intensity3Edit->setToolTip(QString::fromStdString(*r.intensityHint));
  ShowReadout(r, HueTrackBar, SaturationTrackBar, IntensityTrackBar3, HueEdit, SaturationEdit,
              Intensity3Edit);
  SetDistortion(false);
}

void TForm1::MoveRgbTrackBars(const RgbReal& rgb) {
  UpdatingMixer = false;
  if (UpdatingHS) return;
  // The user's exact hue, saturation and vibrance stay; the RGB side must not convert back.
  // Components above 255 (colour distortion) stop at the track bars' end.
  UpdatingHS = true;
  RedTrackBar->setValue(static_cast<int>(std::clamp<long long>(Round(rgb.red), 0, 255)));
  GreenTrackBar->setValue(static_cast<int>(std::clamp<long long>(Round(rgb.green), 0, 255)));
  BlueTrackBar->setValue(static_cast<int>(std::clamp<long long>(Round(rgb.blue), 0, 255)));
  UpdatingHS = false;
  UpdatingMixer = true;
}

void TForm1::HSVtoRGB() {
  const HsToRgbResult r = tintora::HSVtoRGB(CurrentHue, CurrentSaturation, CurrentVibrance);
  SetDistortion(r.distortion);
  HueEdit->setText(QString::fromStdString(r.hueText));
  SaturationEdit->setText(QString::fromStdString(r.saturationText));
  Intensity3Edit->setText(QString::fromStdString(r.intensityText));
  MoveRgbTrackBars(r.rgb);
}

void TForm1::HSI_to_RGB_Calc() {
  const HsToRgbResult r = tintora::HSI_to_RGB_Calc(CurrentHue, CurrentSaturation, CurrentVibrance);
  if (r.intensityHint) Intensity3Edit->setToolTip(QString::fromStdString(*r.intensityHint));
  SetDistortion(r.distortion);
  HueEdit->setText(QString::fromStdString(r.hueText));
  SaturationEdit->setText(QString::fromStdString(r.saturationText));
  Intensity3Edit->setText(QString::fromStdString(r.intensityText));
  MoveRgbTrackBars(r.rgb);
}

// ---------------------------------------------------------------- slider handlers

void TForm1::HsSliderChange(int row) {
  if (!UpdatingMixer) {
    UpdatingMixer = true;
    switch (row) {
      case 1:
        CurrentHue = HueTrackBar->value();
        break;
      case 2:
        CurrentSaturation = static_cast<long double>(SaturationTrackBar->value()) / 255;
        break;
      default:
        CurrentVibrance = IntensityTrackBar3->value();
        break;
    }
    HSIHSVtoRGB();
    SpectrumRedrawPending = true;
    UpdatingMixer = false;
  }
  if (row == 1 && ShowComplimentaryColours1->isChecked()) ComplimentaryColUpdate();
}

void TForm1::HSIAdjustTrackBar(int row, Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  const bool up = button == Qt::RightButton;
  QSlider* bar = row == 1 ? HueTrackBar : row == 2 ? SaturationTrackBar : IntensityTrackBar3;
  bar->setValue(row == 1 ? NudgeHue(bar->value(), up) : NudgeLevel(bar->value(), up));
  bar->setFocus();
}

void TForm1::ChangeSpectrumImage(int mode) {
  ImageBox* image = mode == 0                  ? ColourSpectrumImage
                    : (mode == 1 || mode == 3) ? SaturationSpectrum
                                               : VibranceIntensityImage;
  QImage& picture = image->Picture();
  if (picture.format() != QImage::Format_RGB32) picture = picture.convertToFormat(QImage::Format_RGB32);
  auto* bits = reinterpret_cast<std::uint32_t*>(picture.bits());
  DrawSpectrum(static_cast<SpectrumMode>(mode),
               std::span<std::uint32_t>(bits, static_cast<std::size_t>(picture.width()) * picture.height()),
               picture.width(), picture.height(), CurrentHue, CurrentSaturation, CurrentVibrance);
  image->update();
}

void TForm1::ActiveSpecCheckBoxClick() {
  const bool active = ActiveSpecCheckBox->isChecked();
  ChangeSpectrumImage(active ? 1 : 3);
  ChangeSpectrumImage(active ? 2 : 4);
}

void TForm1::HsModeClick(bool hsi) {
  HSIIntensityPanel->SetCaption(hsi ? "I" : "V");
  HSIIntensityPanel->setToolTip(hsi ? "Intensity" : "Vibrance");
  CalculatePanelClick();
}

void TForm1::CalculatePanelClick() {
  // Recomputing from RGB moves the mixer's sliders; guarded, so their handlers do not turn
  // the rounded positions back into a (slightly different) colour.
  const bool wasUpdating = UpdatingMixer;
  UpdatingMixer = true;
  RGBtoHSIHSV();
  UpdatingMixer = wasUpdating;
}

void TForm1::ToggleCalculateControls() {
  const bool reveal = CalculatePanel->isHidden();
  CalculatePanel->setVisible(reveal);
  HSVRadioButton->setVisible(reveal);
  HSIRadioButton->setVisible(reveal);
  UndockInstructLabel1->setVisible(!reveal);
  UndockInstructLabel2->setVisible(!reveal);
  UndockInstructLabel3->setVisible(!reveal);
}

// ---------------------------------------------------------------- docking

bool TForm1::MixerFloating() const {
  return floatingMixer_ != nullptr && HSIMixerPanel->parentWidget() != HSIDockPanel;
}

void TForm1::UndockMixer(const QPoint& globalPos) {
  if (MixerFloating()) return;
  if (!floatingMixer_) {
    floatingMixer_ = new FloatingMixerWindow(this);
    Link(floatingMixer_, &FloatingMixerWindow::Moved, this, [this] {
      // Dropping the window onto its page docks it.
      if (!MixerFloating() || !floatingMixer_->isVisible()) return;
      const QRect dock(HSIDockPanel->mapToGlobal(QPoint(0, 0)), HSIDockPanel->size());
      if (HSIDockPanel->isVisible() && dock.contains(floatingMixer_->geometry().center()) &&
          !(QApplication::mouseButtons() & Qt::LeftButton))
        HSIDockPanelDockDrop();
    });
  }
  HSIMixerPanel->hide();
  HSIMixerPanel->setParent(floatingMixer_);
  HSIMixerPanel->setGeometry(kMixerBounds);
  floatingMixer_->setFixedSize(kMixerBounds.size());
  floatingMixer_->move(globalPos - QPoint(10, 10));
  HSIMixerPanel->show();
  floatingMixer_->show();
}

void TForm1::HSIDockPanelDockDrop() {
  HSIMixerPanel->hide();
  HSIMixerPanel->setParent(HSIDockPanel);
  HSIMixerPanel->setGeometry(kMixerBounds);
  HSIMixerPanel->show();
  if (floatingMixer_) floatingMixer_->hide();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HSIMixerPanel) {
    auto* me = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        if (me->button() == Qt::LeftButton) {
          mixerDragStart_ = me->globalPosition().toPoint();
          mixerDragArmed_ = true;
        }
        break;
      case QEvent::MouseMove:
        if (mixerDragArmed_ && (me->buttons() & Qt::LeftButton)) {
          const QPoint now = me->globalPosition().toPoint();
          if (!MixerFloating()) {
            if ((now - mixerDragStart_).manhattanLength() >= QApplication::startDragDistance())
              Guarded([&] { UndockMixer(now); });
          } else {
            floatingMixer_->move(floatingMixer_->pos() + (now - mixerDragStart_));
            mixerDragStart_ = now;
          }
        }
        break;
      case QEvent::MouseButtonRelease:
        if (mixerDragArmed_ && MixerFloating()) {
          const QRect dock(HSIDockPanel->mapToGlobal(QPoint(0, 0)), HSIDockPanel->size());
          if (HSIDockPanel->isVisible() && dock.contains(me->globalPosition().toPoint()))
            Guarded([this] { HSIDockPanelDockDrop(); });
        }
        mixerDragArmed_ = false;
        break;
      default:
        break;
    }
    return false;
  }
  for (int i = 1; i <= 6; ++i) {
    if (watched == hexEdit_[i] && event->type() == QEvent::MouseButtonRelease) {
      QLineEdit* edit = hexEdit_[i];
      Guarded([&] { HexEntryEditPrep(edit); });
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tintora
