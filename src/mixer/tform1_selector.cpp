// The colour selector and the sources around it: the 16-colour tray, the three base palettes
// with their lock, and the colour viewer with its inverse, comparison swatch and sample page.
// Pointing at a source previews its colour in the selector; a click commits it.
#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>

#include "app/controls/colour_panel.h"
#include "app/controls/image_box.h"
#include "app/controls/speed_button.h"
#include "app/guarded.h"
#include "app/popup_ext.h"
#include "app/services.h"
#include "app/tform1.h"
#include "capture/tform2.h"
#include "colour/notations.h"
#include "colour/number_text.h"
#include "colour/websafe.h"
#include "mixer/palette.h"

namespace tintora {

namespace {

struct TrayColour {
  const char* name;
  const char* hint;
  int rgb;  // RRGGBB
};

const TrayColour kTray[16] = {
    {"SysColBlackPanel", "Black", 0x000000},
    {"SysColBluePanel", "Dark Blue", 0x000080},
    {"SysColGreenPanel", "Dark Green", 0x008000},
    {"SysColCyanPanel", "Dark Cyan", 0x008080},
    {"SysColRedPanel", "Dark Red", 0x800000},
    {"SysColMagentaPanel", "Dark Magenta (Purple)", 0x800080},
    {"SysColDYellowPanel", "Dark Yellow (Kaki/Brown)", 0x808000},
    {"SysColLGreyPanel", "Gray (Dark White/Silver)", 0xC0C0C0},
    {"SysColDGreyPanel", "Dark Gray (Light Black)", 0x808080},
    {"SysColLBluePanel", "Blue", 0x0000FF},
    {"SysColLGreenPanel", "Green", 0x00FF00},
    {"SysColLCyanPanel", "Cyan", 0x00FFFF},
    {"SysColLRedPanel", "Red", 0xFF0000},
    {"SysColLMagentaPanel", "Magenta", 0xFF00FF},
    {"SysColYellowPanel", "Yellow", 0xFFFF00},
    {"SysColWhitePanel", "White", 0xFFFFFF},
};

constexpr int kSilver = 0xC0C0C0;
constexpr int kFirstSample = 6;  // Panel6 .. Panel11

int RgbToColourValue(int rgb) { return SwapRedBlueInt(rgb); }

}  // namespace

int TForm1::SourceCursor() const { return AutoIndexCheckBox->isChecked() ? 1 : 2; }

void TForm1::BuildSelector() {
  QWidget* pane = ColourSelectGroupBox;
  ColourSelectorPanel = new ColourPanel("ColourSelectorPanel", pane);
  ColourSelectorPanel->SetColour(0);
  ColourSelectorPanel->SetBevel(false);
  ColourSelectorPanel->setToolTip("Right click for capture and screen magnifier options.");
  ColourSelectorPanel->setGeometry(8, 18, 64, 64);
  ZoomImage = new ImageBox("ZoomImage", ColourSelectorPanel);
  ZoomImage->setGeometry(7, 7, 49, 50);
  ZoomImage->hide();
  WebSafeImage = new ImageBox("WebSafeImage", ColourSelectorPanel);
  WebSafeImage->SetPicture(QImage(":/glyphs/websafe.png"));
  WebSafeImage->setToolTip("Websafe Only = ON");
  WebSafeImage->setGeometry(46, 46, 16, 16);
  WebSafeImage->hide();

  ColourSelectorEdit = new QLineEdit("000000", pane);
  ColourSelectorEdit->setObjectName("ColourSelectorEdit");
  ColourSelectorEdit->setReadOnly(true);
  ColourSelectorEdit->setMaxLength(6);
  ColourSelectorEdit->setToolTip("Preview Colour RGB HEX Value");
  QFont fixed("Courier New");
  fixed.setStyleHint(QFont::TypeWriter);
  ColourSelectorEdit->setFont(fixed);
  ColourSelectorEdit->setGeometry(8, 88, 64, 22);

  const char* frames[4] = {"", "RedBasePanel", "GreenBasePanel", "BlueBasePanel"};
  const char* images[4] = {"", "RedBasedPaletteImage", "GreenBasedPaletteImage", "BlueBasedPaletteImage"};
  ColourPanel** framePanels[4] = {nullptr, &RedBasePanel, &GreenBasePanel, &BlueBasePanel};
  for (int n = 1; n <= 3; ++n) {
    auto* frame = new ColourPanel(frames[n], pane);
    frame->SetBevel(false);
    frame->setGeometry(78 + (n - 1) * 72, 16, 68, 68);
    *framePanels[n] = frame;
    auto* image = new ImageBox(images[n], frame);
    image->Picture() = QImage(kPaletteSize, kPaletteSize, QImage::Format_RGB32);
    image->setGeometry(2, 2, kPaletteSize, kPaletteSize);
    image->setCursor(Qt::CrossCursor);
    basePalette_[n] = image;
  }

  LockColourSpeedButton = new SpeedButton("LockColourSpeedButton", pane);
  LockColourSpeedButton->SetGlyph(LockedImage);
  LockColourSpeedButton->setGeometry(78, 88, 24, 24);

  ColourTrayPanel = new QFrame(pane);
  ColourTrayPanel->setObjectName("ColourTrayPanel");
  static_cast<QFrame*>(ColourTrayPanel)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ColourTrayPanel->setToolTip("System 16 Colour Palette.");
  ColourTrayPanel->setGeometry(8, 118, 16 * 14 + 4, 18);
  for (int i = 0; i < 16; ++i) {
    auto* p = new ColourPanel(kTray[i].name, ColourTrayPanel);
    p->SetColour(RgbToColourValue(kTray[i].rgb));
    p->setToolTip(kTray[i].hint);
    p->SetBevel(false);
    p->setFrameStyle(QFrame::NoFrame);
    p->setGeometry(3 + i * 14, 3, 12, 12);
    trayPanels_[i] = p;
  }

  ColourSelectorPopupExt = MakePopup("ColourSelectorPopupExt");
  RetreiveAllAsWebsafe1 = ColourSelectorPopupExt->addAction("Retrieve All as Websafe");
  RetreiveAllAsWebsafe1->setObjectName("RetreiveAllAsWebsafe1");
  RetreiveAllAsWebsafe1->setCheckable(true);
  PalettePopupExt = MakePopup("PalettePopupExt");
  SetWebsafePaletteOn1 = PalettePopupExt->addAction("Set Websafe Palette On");
  SetWebsafePaletteOn1->setObjectName("SetWebsafePaletteOn1");
  SetWebsafePaletteOn1->setCheckable(true);
}

void TForm1::BuildViewer() {
  QWidget* pane = ColourViewerGroupBox;
  Panel14 = new ColourPanel("Panel14", pane);
  Panel14->SetBevel(false);
  Panel14->setGeometry(116, 54, 38, 30);
  Panel15 = new ColourPanel("Panel15", Panel14);
  Panel15->SetColour(0);
  Panel15->setToolTip("Colour Compare");
  Panel15->SetBevel(true);
  Panel15->setGeometry(3, 3, 32, 24);

  // A sample web page: a header, a side bar, and a body with two blocks.
  struct Sample {
    int number;
    int parent;  // 0: the viewer pane
    QRect geometry;
  };
  const Sample samples[6] = {{6, 0, {8, 65, 104, 62}}, {7, 6, {0, 0, 104, 12}}, {8, 6, {0, 12, 20, 50}},
                             {9, 6, {20, 12, 84, 50}}, {10, 9, {4, 4, 76, 20}}, {11, 9, {4, 28, 76, 18}}};
  for (const Sample& s : samples) {
    QWidget* parent = s.parent == 0 ? pane : samplePanels_[s.parent];
    auto* p = new ColourPanel(QString("Panel%1").arg(s.number), parent);
    p->SetColour(kSilver);
    p->SetBevel(s.number != 6);
    p->setGeometry(s.geometry);
    samplePanels_[s.number] = p;
  }
}

void TForm1::ConnectSelector() {
  for (ColourPanel* p : trayPanels_) {
    Link(p, &ColourPanel::MouseMoved, this, [this, p](QPoint) { MultiPanelColMouseOverAndSelect(p, false); });
    Link(p, &ColourPanel::Clicked, this, [this, p] { MultiPanelColMouseOverAndSelect(p, true); });
  }
  for (int n = 1; n <= 3; ++n) {
    Link(basePalette_[n], &ImageBox::MouseMoved, this,
         [this, n](QPoint pos) { BMPPixelColourRetreive(n, pos.x(), pos.y(), false); });
    Link(basePalette_[n], &ImageBox::MousePressed, this,
         [this, n](Qt::MouseButton b, QPoint pos) { PaletteImagesMouseDown(n, b, pos); });
  }
  Link(ColourSelectorPanel, &ColourPanel::Clicked, this, [this] { SetColourSelection(); });
  Link(ColourSelectorPanel, &ColourPanel::MouseMoved, this,
       [this](QPoint) { ColourSelectorPanel->setCursor(CustomCursor(SourceCursor())); });
  Link(ColourSelectorPanel, &ColourPanel::MousePressed, this, [this](Qt::MouseButton b, QPoint pos) {
    if (b == Qt::RightButton) ColourSelectorPopupExt->Popup(ColourSelectorPanel->mapToGlobal(pos));
  });
  Link(RetreiveAllAsWebsafe1, &QAction::triggered, this, [this](bool) { RetreiveAllAsWebsafe1Click(); });
  Link(SetWebsafePaletteOn1, &QAction::triggered, this, [this](bool) { SetWebsafePaletteOn1Click(); });
  Link(LockColourSpeedButton, &SpeedButton::MouseDown, this,
       [this](Qt::MouseButton b) { LockColourSpeedButtonMouseDown(b); });
}

void TForm1::ConnectViewer() {
  Link(ColourViewPanel, &ColourPanel::MouseMoved, this,
       [this](QPoint) { ColourSelectorUpdate(ColourViewPanel->Colour()); });
  Link(ColourViewPanel, &ColourPanel::MousePressed, this, [this](Qt::MouseButton b, QPoint) {
    if (b == Qt::RightButton) ColourSelectorPanelReScale();
  });
  Link(ColourViewPanel, &ColourPanel::DoubleClicked, this, [this] { ColourViewPanelDblClick(); });
  Link(ColourViewNegPanel, &ColourPanel::MouseMoved, this,
       [this](QPoint) { ColourSelectorUpdate(ColourViewNegPanel->Colour()); });
  Link(ColourViewNegPanel, &ColourPanel::Clicked, this, [this] { ColourViewNegPanelClick(); });
  for (int n = kFirstSample; n <= 11; ++n) {
    ColourPanel* p = samplePanels_[n];
    p->setCursor(CustomCursor(3));
    Link(p, &ColourPanel::MouseMoved, this, [this, p](QPoint) { ColourSelectorUpdate(p->Colour()); });
    Link(p, &ColourPanel::MousePressed, this,
         [this, p](Qt::MouseButton b, QPoint) { SamplePanelMouseDown(p, b); });
  }
  Panel15->setCursor(CustomCursor(3));
  Link(Panel15, &ColourPanel::MousePressed, this, [this](Qt::MouseButton b, QPoint) { Panel15MouseDown(b); });
}

// ---------------------------------------------------------------- the selector

void TForm1::ColourSelectorUpdate(long long c) {
  if (c < 0 || c > kMaxColourValue) return;  // a failed screen read, for one
  int colour = static_cast<int>(c);
  if (RetreiveAllAsWebsafe1->isChecked()) colour = ConvertDecimalToWebSafe(colour);
  ColourSelectorPanel->SetColour(colour);
  ColourSelectorEdit->setText(QString::fromStdString(BGRIntToRGBHEX(colour)));
}

void TForm1::SetColourSelection() {
  const int c = ColourSelectorPanel->Colour();
  BlueTrackBar->setValue(BlueOf(c));
  GreenTrackBar->setValue(GreenOf(c));
  RedTrackBar->setValue(RedOf(c));
  if (AutoIndexCheckBox->isChecked()) IndexColour();
}

void TForm1::MultiPanelColMouseOverAndSelect(ColourPanel* panel, bool select) {
  const bool sample =
      panel != ColourViewPanel &&
      std::find(std::begin(samplePanels_), std::end(samplePanels_), panel) != std::end(samplePanels_);
  if (sample) {
    panel->setCursor(CustomCursor(3));
  } else if (panel != ColourViewPanel) {
    panel->setCursor(CustomCursor(SourceCursor()));
  }
  ColourSelectorUpdate(panel->Colour());
  if (select) {
    if (AutoIndexCheckBox->isChecked()) StoreUndo();
    SetColourSelection();
  }
}

// ---------------------------------------------------------------- base palettes

void TForm1::PalettePanelUpdate(int n) {
  if (n < 1 || n > 3) return;
  QImage& picture = basePalette_[n]->Picture();
  DrawBasePalette(n, RedTrackBar->value(), GreenTrackBar->value(), BlueTrackBar->value(),
                  SetWebsafePaletteOn1->isChecked(),
                  std::span<std::uint32_t>(reinterpret_cast<std::uint32_t*>(picture.bits()),
                                           static_cast<std::size_t>(kPaletteSize) * kPaletteSize));
  basePalette_[n]->update();
}

ImageBox* TForm1::PictureOfSource(int source) const {
  if (source >= 1 && source <= 3) return basePalette_[source];
  if (source == 4) return WheelImage;
  if (source == 5) return form2_->Image1;
  return nullptr;
}

void TForm1::BMPPixelColourRetreive(int source, int x, int y, bool select) {
  ImageBox* image = PictureOfSource(source);
  if (!image) return;
  image->setCursor(CustomCursor(SourceCursor()));
  const int pixel = image->PixelColour(x, y);
  // The wheel's background, borders and rim are not colours to pick.
  const bool wheelChrome = source == 4 && (pixel == 0xFFFFFF || pixel == 0x010101 || pixel == kSilver);
  if (!wheelChrome) ColourSelectorUpdate(pixel);
  if (select) {
    SetColourSelection();
    CopyValueToClip();
  }
}

void TForm1::PaletteImagesMouseDown(int n, Qt::MouseButton button, QPoint pos) {
  if (button == Qt::LeftButton) {
    if (AutoIndexCheckBox->isChecked()) StoreUndo();
    BMPPixelColourRetreive(n, pos.x(), pos.y(), true);
  } else if (button == Qt::RightButton) {
    PalettePopupExt->Popup(basePalette_[n]->mapToGlobal(pos));
  }
}

void TForm1::SetWebsafePaletteOn1Click() { WebSafePaletteToggle(); }

void TForm1::WebSafePaletteToggle() {
  for (int n = 1; n <= 3; ++n) basePalette_[n]->setCursor(Qt::WaitCursor);
  const int r = RedTrackBar->value(), g = GreenTrackBar->value(), b = BlueTrackBar->value();
  // Pass through the palettes' own bases so each is redrawn around its base in the new mode.
  RedTrackBar->setValue(RedOf(RedBasedPaletteImage->PixelColour(0, 0)));
  GreenTrackBar->setValue(GreenOf(GreenBasedPaletteImage->PixelColour(0, 0)));
  BlueTrackBar->setValue(BlueOf(BlueBasedPaletteImage->PixelColour(0, 0)));
  for (int n = 1; n <= 3; ++n) PalettePanelUpdate(n);
  RedTrackBar->setValue(r);
  GreenTrackBar->setValue(g);
  BlueTrackBar->setValue(b);
  for (int n = 1; n <= 3; ++n) basePalette_[n]->setCursor(Qt::CrossCursor);
}

void TForm1::LockColourSpeedButtonMouseDown(Qt::MouseButton button) {
  if (button == Qt::LeftButton) BaseColourLockToggle();
  if (button == Qt::RightButton) BaseColourLockReset();
}

void TForm1::BaseColourLockToggle() {
  if (!DerivativesLocked) {
    LockColourSpeedButton->SetGlyph(LockedImage);
    DerivativesLocked = true;
    return;
  }
  LockColourSpeedButton->SetGlyph(UnlockedImage);
  LockColourSpeedButton->setCursor(Qt::WaitCursor);
  for (int n = 1; n <= 3; ++n) PalettePanelUpdate(n);
  LockColourSpeedButton->setCursor(Qt::PointingHandCursor);
  DerivativesLocked = false;
}

void TForm1::BaseColourLockReset() {
  LockColourSpeedButton->setCursor(Qt::WaitCursor);
  DerivativesLocked = false;
  LockColourSpeedButton->SetGlyph(LockedImage);
  const int r = RedTrackBar->value(), g = GreenTrackBar->value(), b = BlueTrackBar->value();
  RedTrackBar->setValue(0);
  GreenTrackBar->setValue(0);
  BlueTrackBar->setValue(0);
  for (int n = 1; n <= 3; ++n) PalettePanelUpdate(n);
  DerivativesLocked = true;
  RedTrackBar->setValue(r);
  GreenTrackBar->setValue(g);
  BlueTrackBar->setValue(b);
  LockColourSpeedButton->setCursor(Qt::PointingHandCursor);
}

void TForm1::RetreiveAllAsWebsafe1Click() { WebSafeImage->setVisible(RetreiveAllAsWebsafe1->isChecked()); }

// ---------------------------------------------------------------- the viewer

bool TForm1::SampleLayoutShown() const { return !samplePanels_[kFirstSample]->isHidden(); }

void TForm1::ColourSelectorPanelReScale() {
  if (!SampleLayoutShown()) {
    samplePanels_[kFirstSample]->show();
    ColourViewNegPanel->move(ColourViewNegPanel->x(), 20);
    ColourViewPanel->resize(ColourViewPanel->width(), 41);
  } else {
    samplePanels_[kFirstSample]->hide();
    ColourViewPanel->resize(ColourViewPanel->width(), 107);
    ColourViewNegPanel->move(ColourViewNegPanel->x(), 86);
  }
  if (ShowComplimentaryColours1->isChecked()) {
    ComplimentaryColSize();
    ComplimentaryColUpdate();
  }
}

void TForm1::ColourViewPanelDblClick() {
  for (int n = kFirstSample; n <= 11; ++n) samplePanels_[n]->SetColour(kSilver);
}

void TForm1::ColourViewNegPanelClick() {
  const int c = ColourFromRgb(RedTrackBar->value(), GreenTrackBar->value(), BlueTrackBar->value());
  ColourSelectorUpdate(kMaxColourValue - c);
  IntensityTrackBar->setValue(-IntensityTrackBar->value());
  SetColourSelection();
}

void TForm1::SamplePanelMouseDown(ColourPanel* panel, Qt::MouseButton button) {
  if (button == Qt::LeftButton) panel->SetColour(ColourViewPanel->Colour());
  if (button == Qt::RightButton) MultiPanelColMouseOverAndSelect(panel, true);
}

void TForm1::Panel15MouseDown(Qt::MouseButton button) {
  if (button == Qt::LeftButton) Panel15->SetColour(ColourViewPanel->Colour());
  if (button == Qt::RightButton) {
    ColourSelectorUpdate(Panel15->Colour());
    SetColourSelection();
  }
}

}  // namespace tintora
