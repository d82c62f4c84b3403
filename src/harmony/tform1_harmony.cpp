// Harmony colours around the active colour: swatches for the classic schemes, markers on the
// hue strip, and the colour wheel with its options window.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "app/controls/colour_panel.h"
#include "app/controls/image_box.h"
#include "app/controls/shape_box.h"
#include "app/guarded.h"
#include "app/ini_file.h"
#include "app/popup_ext.h"
#include "app/tform1.h"
#include "colour/rounding.h"
#include "colour/websafe.h"
#include "formats/file_io.h"
#include "harmony/harmony.h"
#include "harmony/tform10.h"
#include "harmony/wheel.h"

namespace tintora {

namespace {
constexpr int kSilver = 0xC0C0C0;
}

void TForm1::BuildHarmony() {
  CompColLabel = new QLabel("Harmony Colours", ColourViewerGroupBox);
  CompColLabel->setObjectName("CompColLabel");
  CompColLabel->setToolTip("Right click for complimentary colour options.");
  CompColLabel->setContextMenuPolicy(Qt::CustomContextMenu);
  CompColLabel->setGeometry(8, 150, 104, 16);

  WebSafeImage2 = new ImageBox("WebSafeImage2", ColourViewerGroupBox);
  WebSafeImage2->SetPicture(QImage(":/glyphs/websafe.png"));
  WebSafeImage2->SetStretch(true);
  WebSafeImage2->setToolTip("Websafe Complements Only = ON");
  WebSafeImage2->setGeometry(120, 150, 32, 32);
  WebSafeImage2->hide();

  ComplimentaryColPopupExt = MakePopup("ComplimentaryColPopupExt");
  auto item = [this](const char* name, const char* caption, bool checkable) {
    QAction* a = ComplimentaryColPopupExt->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
  };
  ShowComplimentaryColours1 = item("ShowComplimentaryColours1", "Show Complimentary Colours", true);
  WebsafeComplimentsOnly1 = item("WebsafeComplimentsOnly1", "Websafe Compliments Only", true);
  ComplimentaryColPopupExt->addSeparator();
  schemeGroup_ = new QActionGroup(this);
  schemeGroup_->setExclusive(true);
  for (QAction** a :
       {&Complimentary1, &SplitComplimentary1, &Analogous1, &Triadic1, &Tetradic1, &ColourWheel1}) {
    static const char* const kNames[6][2] = {
        {"Complimentary1", "Complimentary"}, {"SplitComplimentary1", "Split Complimentary"},
        {"Analogous1", "Analogous"},         {"Triadic1", "Triadic"},
        {"Tetradic1", "Tetradic"},           {"ColourWheel1", "Colour Wheel"}};
    const int i = static_cast<int>(schemeGroup_->actions().size());
    *a = item(kNames[i][0], kNames[i][1], true);
    schemeGroup_->addAction(*a);
  }
  Complimentary1->setChecked(true);
  ComplimentaryColPopupExt->addSeparator();
  CustomizeColourWheel1 = item("CustomizeColourWheel1", "Customize Colour Wheel", false);
  for (QAction* a : {WebsafeComplimentsOnly1, Complimentary1, SplitComplimentary1, Analogous1, Triadic1,
                     Tetradic1, ColourWheel1, CustomizeColourWheel1})
    a->setEnabled(false);
  CustomizeColourWheel1->setVisible(false);

  // Swatches and the wheel sit inside the viewer panel itself.
  for (auto [shape, name] : {std::pair{&Shape1, "Shape1"}, {&Shape2, "Shape2"}, {&Shape3, "Shape3"}}) {
    *shape = new ShapeBox(name, ShapeBox::Kind::Rectangle, ColourViewPanel);
    (*shape)->SetPen(true, kSilver);
    (*shape)->setGeometry(kSwatchLeft, 19, kSwatchWidth, 18);
    (*shape)->hide();
  }
  WheelImage = new ImageBox("WheelImage", ColourViewPanel);
  WheelImage->hide();
  WheelCenterShape = new ShapeBox("WheelCenterShape", ShapeBox::Kind::Circle, ColourViewPanel);
  WheelCenterShape->SetPen(true, kWheelBorderColour);
  WheelCenterShape->hide();
}

void TForm1::ConnectHarmony() {
  Link(CompColLabel, &QLabel::customContextMenuRequested, this,
       [this](const QPoint& p) { ComplimentaryColPopupExt->Popup(CompColLabel->mapToGlobal(p)); });
  Link(ShowComplimentaryColours1, &QAction::triggered, this, [this](bool) { ComplimentaryColActivate(); });
  Link(WebsafeComplimentsOnly1, &QAction::triggered, this, [this](bool) { WebsafeComplimentsOnly1Click(); });
  for (QAction* a : schemeGroup_->actions())
    Link(a, &QAction::triggered, this, [this, a](bool) { SchemeClick(a); });
  Link(CustomizeColourWheel1, &QAction::triggered, this, [this](bool) { CustomizeColourWheel1Click(); });
  for (ShapeBox* s : {Shape1, Shape2, Shape3}) {
    Link(s, &ShapeBox::MousePressed, this, [this, s](Qt::MouseButton b, QPoint) { ShapeMouseDown(s, b); });
    Link(s, &ShapeBox::MouseMoved, this, [this, s](QPoint) { ShapeMouseMove(s); });
  }
  Link(WheelImage, &ImageBox::MouseMoved, this, [this](QPoint p) { WheelImageMouseMove(p); });
  Link(WheelImage, &ImageBox::MousePressed, this,
       [this](Qt::MouseButton b, QPoint p) { WheelImageMouseDown(b, p); });
  Link(WheelImage, &ImageBox::DoubleClicked, this, [this] { ColourViewPanelDblClick(); });
  Link(WheelCenterShape, &ShapeBox::MouseMoved, this, [this](QPoint) {
    WheelCenterShape->setCursor(CustomCursor(SourceCursor()));
    ColourSelectorUpdate(WheelCenterShape->BrushColour());
  });
  Link(WheelCenterShape, &ShapeBox::MousePressed, this,
       [this](Qt::MouseButton b, QPoint) { WheelCenterShapeMouseDown(b); });

  TForm10* options = form10_.get();
  Link(options, &TForm10::SettingsChanged, this, [this] { ComplimentaryColDisplay(); });
  Link(options, &TForm10::SaveRequested, this, [this] { WheelCustSave(); });
  Link(options, &TForm10::Shown, this, [this] {
    SuspendOnTop();
    setEnabled(false);
  });
  Link(options, &TForm10::Closed, this, [this] {
    setEnabled(true);
    RestoreOnTop();
  });
}

// ---------------------------------------------------------------- showing the harmony colours

int TForm1::ComplementWebSafe(int colour) const {
  return ConvertComplDecimalToWebSafe(colour, WebsafeComplimentsOnly1->isChecked());
}

int TForm1::HSVtoRGBforComplCol(int offset) const {
  return tintora::HSVtoRGBforComplCol(offset, CurrentHue, CurrentSaturation, CurrentVibrance);
}

int TForm1::CheckedScheme() const {
  const QAction* items[6] = {Complimentary1, SplitComplimentary1, Analogous1,
                             Triadic1,       Tetradic1,           ColourWheel1};
  int scheme = 1;
  for (int i = 0; i < 6; ++i)
    if (items[i]->isChecked()) scheme = i + 1;
  return scheme;
}

void TForm1::ComplimentaryColActivate() {
  const bool on = ShowComplimentaryColours1->isChecked();
  for (QAction* a : {WebsafeComplimentsOnly1, Complimentary1, SplitComplimentary1, Analogous1, Triadic1,
                     Tetradic1, ColourWheel1, CustomizeColourWheel1})
    a->setEnabled(on);
  IncludeComplimentaryCheckBox->setEnabled(on);
  ComplimentaryColDisplay();
}

void TForm1::ComplimentaryColDisplay() {
  if (!ShowComplimentaryColours1->isChecked()) {
    for (QWidget* w :
         {static_cast<QWidget*>(Shape1), static_cast<QWidget*>(Shape2), static_cast<QWidget*>(Shape3),
          static_cast<QWidget*>(Shape4), static_cast<QWidget*>(Shape5), static_cast<QWidget*>(Shape6),
          static_cast<QWidget*>(WheelImage), static_cast<QWidget*>(WheelCenterShape)})
      w->hide();
    return;
  }
  Shape1->show();
  Shape2->show();
  Shape3->show();
  ComplimentaryColSize();
  ComplimentaryColUpdate();
}

void TForm1::ComplimentaryColSize() {
  const auto scheme = static_cast<HarmonyScheme>(CheckedScheme());
  const bool large = !SampleLayoutShown();
  // The wheel's options only make sense while the wheel is shown.
  CustomizeColourWheel1->setVisible(scheme == HarmonyScheme::ColourWheel);
  const SwatchLayout l = ComplimentarySwatchLayout(scheme, large);
  ShapeBox* swatches[3] = {Shape1, Shape2, Shape3};
  ShapeBox* markers[3] = {Shape4, Shape5, Shape6};
  for (int i = 0; i < 3; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    swatches[i]->setVisible(i < l.visibleSwatches);
    if (i < l.visibleSwatches) swatches[i]->setGeometry(kSwatchLeft, l.top[k], kSwatchWidth, l.height[k]);
    markers[i]->setVisible(i < l.visibleMarkers);
  }
  if (scheme != HarmonyScheme::ColourWheel) {
    WheelImage->hide();
    WheelCenterShape->hide();
    return;
  }
  const WheelLayout w = ColourWheelLayout(large);
  WheelImage->setGeometry(w.imageLeft, w.imageTop, w.imageSize, w.imageSize);  // drawn anew at this size
  WheelCenterShape->setGeometry(w.discLeft, w.discTop, w.discSize, w.discSize);
}

void TForm1::ComplimentaryColUpdate() {
  if (ManualIndexing) return;
  const int hue = HueTrackBar->value();
  const auto scheme = static_cast<HarmonyScheme>(CheckedScheme());
  const std::vector<int> offsets = SchemeOffsets(scheme);
  ShapeBox* swatches[3] = {Shape1, Shape2, Shape3};
  ShapeBox* markers[3] = {Shape4, Shape5, Shape6};
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    swatches[i]->SetBrushColour(ComplementWebSafe(HSVtoRGBforComplCol(offsets[i])));
    markers[i]->move(ColourSpectrumImage->x() + MarkerLeft(hue, offsets[i]), markers[i]->y());
  }
  if (scheme == HarmonyScheme::ColourWheel) DrawWheel();
}

void TForm1::DrawWheel() {
  WheelImage->show();
  WheelCenterShape->show();
  QImage& picture = WheelImage->Picture();
  const QSize size = WheelImage->size();
  if (picture.size() != size || picture.format() != QImage::Format_RGB32) {
    picture = QImage(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
  }
  PixelCanvas canvas{std::span<std::uint32_t>(reinterpret_cast<std::uint32_t*>(picture.bits()),
                                              static_cast<std::size_t>(picture.width()) * picture.height()),
                     picture.width(), picture.height()};
  const bool borders = form10_->ColourBordersCheckBox->isChecked();
  DrawColourWheel(canvas, form10_->Divisions(), ColourViewPanel->Colour(),
                  form10_->WheelOutlineCheckBox->isChecked(), borders,
                  [this](int offset) { return ComplementWebSafe(HSVtoRGBforComplCol(offset)); });
  WheelCenterShape->SetPen(borders, kWheelBorderColour);
  WheelCenterShape->SetBrushColour(ComplementWebSafe(HSVtoRGBforComplCol(0)));
  WheelImage->update();
}

// ---------------------------------------------------------------- menu commands

void TForm1::SchemeClick(QAction* item) {
  item->setChecked(true);
  if (item == ColourWheel1) {
    ComplimentaryColDisplay();
  } else {
    ComplimentaryColSize();
    ComplimentaryColUpdate();
  }
}

void TForm1::WebsafeComplimentsOnly1Click() {
  ComplimentaryColSize();
  ComplimentaryColUpdate();
  WebSafeImage2->setVisible(WebsafeComplimentsOnly1->isChecked());
}

void TForm1::CustomizeColourWheel1Click() {
  TForm10* options = form10_.get();
  options->adjustSize();
  const QRect main = frameGeometry();
  options->move(main.center() - QPoint(options->width() / 2, options->height() / 2));
  options->show();
  options->raise();
  options->activateWindow();
}

void TForm1::WheelCustSave() {
  IniFile ini(PathFromUtf8(settingsFile_.toStdString()));
  ini.WriteBool("Colour Wheel", "WheelOutline", form10_->WheelOutlineCheckBox->isChecked());
  ini.WriteBool("Colour Wheel", "ColourBorders", form10_->ColourBordersCheckBox->isChecked());
  ini.WriteInteger("Colour Wheel", "Divisions", form10_->Divisions());
}

// ---------------------------------------------------------------- picking from swatches and wheel

void TForm1::IndexComplimentary(int colour) {
  // The active colour comes back exactly as it was: its track bar positions, not the shown
  // value (which carries the intensity offset and could be snapped by web-safe retrieval).
  const int r = RedTrackBar->value(), g = GreenTrackBar->value(), b = BlueTrackBar->value();
  const bool autoIndex = AutoIndexCheckBox->isChecked();
  AutoIndexCheckBox->setChecked(true);
  ColourSelectorUpdate(colour);
  SetColourSelection();
  AutoIndexCheckBox->setChecked(false);
  RestoreActiveColour(r, g, b);
  AutoIndexCheckBox->setChecked(autoIndex);
}

void TForm1::ShapeMouseDown(ShapeBox* shape, Qt::MouseButton button) {
  if (button == Qt::LeftButton) {
    ColourSelectorUpdate(shape->BrushColour());
    SetColourSelection();
  } else {
    IndexComplimentary(shape->BrushColour());
  }
}

void TForm1::ShapeMouseMove(ShapeBox* shape) {
  shape->setCursor(CustomCursor(SourceCursor()));
  ColourSelectorUpdate(shape->BrushColour());
}

void TForm1::WheelImageMouseMove(QPoint pos) {
  BMPPixelColourRetreive(4, pos.x(), pos.y(), false);
  const int pixel = WheelImage->PixelColour(pos.x(), pos.y());
  const bool colour = pixel != 0xFFFFFF && pixel != kWheelBorderColour && pixel != kSilver &&
                      pixel != ColourViewPanel->Colour();
  WheelImage->setCursor(colour ? CustomCursor(SourceCursor()) : QCursor(Qt::ArrowCursor));
}

void TForm1::WheelImageMouseDown(Qt::MouseButton button, QPoint pos) {
  const int pixel = WheelImage->PixelColour(pos.x(), pos.y());
  const int active = ColourViewPanel->Colour();
  if (button == Qt::LeftButton) {
    if (pixel != active) BMPPixelColourRetreive(4, pos.x(), pos.y(), true);
  } else if (button == Qt::RightButton) {
    if (pixel >= 0 && pixel != 0xFFFFFF && pixel != 0 && pixel != kSilver && pixel != active) {
      IndexComplimentary(pixel);
    } else {
      ColourSelectorPanelReScale();
    }
  }
}

void TForm1::WheelCenterShapeMouseDown(Qt::MouseButton button) {
  if (button == Qt::RightButton) {
    ColourSelectorPanelReScale();
    return;
  }
  ColourSelectorUpdate(WheelCenterShape->BrushColour());
  SetColourSelection();
  CopyValueToClip();
}

// ---------------------------------------------------------------- settings

void TForm1::ApplyColourWheelSettings() {
  const IniFile ini(PathFromUtf8(settingsFile_.toStdString()));
  const int divisions = ini.ReadInteger("Colour Wheel", "Divisions", 0);
  if (divisions <= 0) return;  // no saved wheel: the window keeps its own defaults
  const QSignalBlocker a(form10_->DivisionsUpDown), b(form10_->WheelOutlineCheckBox),
      c(form10_->ColourBordersCheckBox);
  form10_->DivisionsUpDown->setValue(divisions);
  if (!ini.ReadBool("Colour Wheel", "WheelOutline", false)) form10_->WheelOutlineCheckBox->setChecked(false);
  if (!ini.ReadBool("Colour Wheel", "ColourBorders", false))
    form10_->ColourBordersCheckBox->setChecked(false);
  form10_->WheelCustSaveSpeedButton->hide();
}

}  // namespace tintora
