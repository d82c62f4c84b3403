#include "mixer/colour_selector.h"

#include "core/colour/css_colour.h"

#include <QAction>
#include <QDropEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/colour/notations.h"
#include "core/mixer/palette.h"
#include "core/mixer/spectrum.h"
#include "core/settings/settings_values.h"
#include "widgets/colour_drag.h"
#include "widgets/colour_panel.h"
#include "widgets/colour_selection.h"
#include "widgets/cursors.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"
#include "widgets/speed_button.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {

struct TrayColour {
  const char* name;
  const char* hint;
  Rgb8 colour;
};

const TrayColour kTray[16] = {
    {"SysColBlackPanel", "Black", Rgb8{0, 0, 0}},
    {"SysColBluePanel", "Dark Blue", Rgb8{0, 0, 128}},
    {"SysColGreenPanel", "Dark Green", Rgb8{0, 128, 0}},
    {"SysColCyanPanel", "Dark Cyan", Rgb8{0, 128, 128}},
    {"SysColRedPanel", "Dark Red", Rgb8{128, 0, 0}},
    {"SysColMagentaPanel", "Dark Magenta (Purple)", Rgb8{128, 0, 128}},
    {"SysColDYellowPanel", "Dark Yellow (Kaki/Brown)", Rgb8{128, 128, 0}},
    {"SysColLGreyPanel", "Gray (Dark White/Silver)", Rgb8{192, 192, 192}},
    {"SysColDGreyPanel", "Dark Gray (Light Black)", Rgb8{128, 128, 128}},
    {"SysColLBluePanel", "Blue", Rgb8{0, 0, 255}},
    {"SysColLGreenPanel", "Green", Rgb8{0, 255, 0}},
    {"SysColLCyanPanel", "Cyan", Rgb8{0, 255, 255}},
    {"SysColLRedPanel", "Red", Rgb8{255, 0, 0}},
    {"SysColLMagentaPanel", "Magenta", Rgb8{255, 0, 255}},
    {"SysColYellowPanel", "Yellow", Rgb8{255, 255, 0}},
    {"SysColWhitePanel", "White", Rgb8{255, 255, 255}},
};

// The level of a palette's own component in a colour.
int BaseLevel(ColourComponent kept, Rgb8 colour) {
  return kept == ColourComponent::Red     ? colour.red
         : kept == ColourComponent::Green ? colour.green
                                          : colour.blue;
}

}  // namespace

ColourSelectorPane::ColourSelectorPane(QGroupBox* pane, ActiveColourHolder& active,
                                       ColourSelection& selection, StayOnTop& onTop, Services& services)
    : active_(active), selection_(selection), services_(services), pane_(pane) {
  ColourSelectorPanel =
      Make<ColourPanel>(pane, "ColourSelectorPanel", "Right click for capture and screen magnifier options.");
  KeepLogicalSize(ColourSelectorPanel, {64, 64});     // the zoom view's pixels sit inside it
  ColourSelectorPanel->setFocusPolicy(Qt::TabFocus);  // its right-click menu, from the keyboard
  ColourSelectorPanel->SetColour({});
  ColourSelectorPanel->SetBevel(false);
  WebSafeImage =
      MakeInPicture<ImageBox>(ColourSelectorPanel, "WebSafeImage", {46, 46, 16, 16}, "Websafe Only = ON");
  WebSafeImage->SetGlyph(":/glyphs/websafe.svg");
  WebSafeImage->hide();
  ColourSelectorEdit = Make<QLineEdit>(pane, "ColourSelectorEdit",
                                       "Preview Colour RGB HEX Value\nType a colour (hex or any CSS colour) "
                                       "and press Enter to make it the active colour.",
                                       "000000");
  ColourSelectorEdit->setMaxLength(200);
  ColourSelectorEdit->setFont(ContentFont("Courier New", QFont::TypeWriter, 8));
  FitCharacters(ColourSelectorEdit, 6);
  QGridLayout* grid = GridOn(pane);
  grid->addWidget(ColourSelectorPanel, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(ColourSelectorEdit, 1, 0, Qt::AlignLeft);
  BuildPalettes(grid);
  BuildTray(grid);
  grid->setColumnStretch(4, 1);

  ColourSelectorPopupExt = MakePopup(pane, "ColourSelectorPopupExt", onTop);
  RetrieveAllAsWebSafeAction =
      ColourSelectorPopupExt->AddItem("RetreiveAllAsWebsafe1", "Retrieve All as Websafe", true);
  PalettePopupExt = MakePopup(pane, "PalettePopupExt", onTop);
  WebSafePaletteAction = PalettePopupExt->AddItem("SetWebsafePaletteOn1", "Set Websafe Palette On", true);
  Connect();
}

void ColourSelectorPane::BuildPalettes(QGridLayout* grid) {
  QWidget* pane = grid->parentWidget();
  const char* frames[3] = {"RedBasePanel", "GreenBasePanel", "BlueBasePanel"};
  const char* images[3] = {"RedBasedPaletteImage", "GreenBasedPaletteImage", "BlueBasedPaletteImage"};
  for (ColourComponent kept : kRgbComponents) {
    const std::size_t n = IndexOf(kept);
    auto* frame = Make<ColourPanel>(pane, frames[n]);
    frame->SetBevel(false);
    auto* image = Make<ImageBox>(frame, images[n]);
    KeepLogicalSize(image, {kPaletteSize, kPaletteSize});
    image->Picture() = QImage(kPaletteSize, kPaletteSize, QImage::Format_RGB32);
    image->SetGradient(true);
    image->setCursor(Qt::CrossCursor);
    image->setFocusPolicy(Qt::TabFocus);
    static const char* const kBase[3] = {"Red", "Green", "Blue"};
    image->setAccessibleName(QString(kBase[n]) + "-based palette");
    image->setAccessibleDescription(
        QString("Every colour with the active colour's %1 level").arg(QString(kBase[n]).toLower()));
    frame->setAccessibleName(image->accessibleName());
    GridOn(frame, true)->addWidget(image);
    frame->layout()->setContentsMargins(2, 2, 2, 2);
    grid->addWidget(frame, 0, static_cast<int>(n) + 1, Qt::AlignLeft | Qt::AlignTop);
    basePalette_[n] = image;
  }
  LockColourSpeedButton = Make<SpeedButton>(pane, "LockColourSpeedButton");
  LockColourSpeedButton->SetGlyph(":/glyphs/locked.svg");
  grid->addWidget(LockColourSpeedButton, 1, 1, Qt::AlignLeft);
}

void ColourSelectorPane::BuildTray(QGridLayout* grid) {
  auto* tray = tray_ = Make<QFrame>(grid->parentWidget(), "ColourTrayPanel",
                                    "System 16 Colour Palette.\nFrom the keyboard: the arrows, then Space.");
  tray->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  tray->setFocusPolicy(Qt::StrongFocus);  // one stop for all sixteen
  tray->setAccessibleName("Colour tray");
  tray->installEventFilter(this);
  QHBoxLayout* row = RowOn(tray, true);
  row->setContentsMargins(3, 3, 3, 3);
  row->setSpacing(2);
  for (int i = 0; i < 16; ++i) {
    auto* p = Make<ColourPanel>(tray, kTray[i].name, kTray[i].hint);
    KeepLogicalSize(p, {12, 12});
    p->SetColour(kTray[i].colour);
    p->SetBevel(false);
    p->setFrameStyle(QFrame::NoFrame);
    row->addWidget(p);
    trayPanels_[i] = p;
  }
  grid->addWidget(tray, 2, 0, 1, 5, Qt::AlignLeft);
}

void ColourSelectorPane::Connect() {
  Link(&active_, &ActiveColourHolder::Changed, this,
       [this](const ActiveColour& now, const ActiveColour& before) { ActiveColourChanged(now, before); });
  Link(&selection_, &ColourSelection::Changed, this, [this](Rgb8 colour) { ShowSelection(colour); });
  for (ColourPanel* p : trayPanels_) {
    Link(p, &ColourPanel::MouseMoved, this, [this, p](QPoint) { TrayPanelMouseOverAndSelect(p, false); });
    Link(p, &ColourPanel::Clicked, this, [this, p] { TrayPanelMouseOverAndSelect(p, true); });
  }
  for (ColourComponent n : kRgbComponents) {
    Link(basePalette_[IndexOf(n)], &ImageBox::MouseMoved, this,
         [this, n](QPoint pos) { BMPPixelColourRetrieve(n, pos); });
    Link(basePalette_[IndexOf(n)], &ImageBox::MousePressed, this,
         [this, n](Qt::MouseButton b, QPoint pos) { PaletteImagesMouseDown(n, b, pos); });
  }
  Link(ColourSelectorPanel, &ColourPanel::Clicked, this, [this] { selection_.SetColourSelection(); });
  // The swatch and the tray's colours drag out to other programs; colours dropped on the pane
  // come in.
  new ColourDragSource(ColourSelectorPanel, [this] { return ColourSelectorPanel->Colour(); });
  for (ColourPanel* p : trayPanels_) new ColourDragSource(p, [p] { return p->Colour(); });
  pane_->setAcceptDrops(true);
  pane_->installEventFilter(this);
  Link(ColourSelectorEdit, &QLineEdit::returnPressed, this, [this] { TypedColourEntered(); });
  Link(ColourSelectorEdit, &QLineEdit::editingFinished, this, [this] {
    // Left without Enter: the box shows the selector's colour again.
    if (!ColourSelectorEdit->hasFocus()) ShowSelection(ColourSelectorPanel->Colour());
  });
  Link(ColourSelectorPanel, &ColourPanel::MouseMoved, this,
       [this](QPoint) { ColourSelectorPanel->setCursor(CustomCursor(selection_.SourceCursor())); });
  Link(ColourSelectorPanel, &ColourPanel::MousePressed, this, [this](Qt::MouseButton b, QPoint pos) {
    if (b == Qt::RightButton) ColourSelectorPopupExt->Popup(ColourSelectorPanel->mapToGlobal(pos));
  });
  Link(RetrieveAllAsWebSafeAction, &QAction::triggered, this, [this](bool) { RetrieveAllAsWebSafeClick(); });
  Link(WebSafePaletteAction, &QAction::triggered, this, [this](bool) { WebSafePaletteToggle(); });
  Link(LockColourSpeedButton, &SpeedButton::MouseDown, this,
       [this](Qt::MouseButton b) { LockColourSpeedButtonMouseDown(b); });
}

QWidget* ColourSelectorPane::ZoomHost() const { return ColourSelectorPanel; }

void ColourSelectorPane::ShowSelection(Rgb8 colour) {
  ColourSelectorPanel->SetColour(colour);
  // What the user is typing is left alone until they are done with it.
  if (!(ColourSelectorEdit->hasFocus() && ColourSelectorEdit->isModified()))
    ColourSelectorEdit->setText(QString::fromStdString(colour.Hex()));
  // Shown at once: capture reads a new colour every tick while the event loop may be busy.
  ColourSelectorPanel->repaint();
  ColourSelectorEdit->repaint();
}

void ColourSelectorPane::TypedColourEntered() {
  const QString text = ColourSelectorEdit->text();
  const CssColourReading read = ReadCssColour(text.toStdString());
  ColourSelectorEdit->setModified(false);
  if (!read) {
    services_.ShowHint(ColourSelectorEdit, QString::fromStdString(read.error));
    ShowSelection(ColourSelectorPanel->Colour());
    return;
  }
  if (const auto note = AlphaNote(text.toStdString(), read))
    services_.ShowHint(ColourSelectorEdit, QString::fromStdString(*note));
  selection_.Take(read.colour);
  selection_.SetColourSelection({.undoStepFirst = true});
  ColourSelectorEdit->selectAll();
}

bool ColourSelectorPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pane_) return DropEvent(event);
  if (watched == tray_) {
    if (event->type() == QEvent::KeyPress) return TrayKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
      MarkTrayCurrent(event->type() == QEvent::FocusIn);
  }
  return QObject::eventFilter(watched, event);
}

bool ColourSelectorPane::DropEvent(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<Rgb8> colour = ColourOfMimeData(drop->mimeData());
  if (!colour) {
    drop->ignore();
    return type != QEvent::Drop;
  }
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) {
    selection_.Take(*colour);
    selection_.SetColourSelection({.undoStepFirst = true});
  }
  return true;
}

bool ColourSelectorPane::TrayKey(QKeyEvent* event) {
  const int last = static_cast<int>(std::size(trayPanels_)) - 1;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      trayCurrent_ = std::max(0, trayCurrent_ - 1);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      trayCurrent_ = std::min(last, trayCurrent_ + 1);
      break;
    case Qt::Key_Home:
      trayCurrent_ = 0;
      break;
    case Qt::Key_End:
      trayCurrent_ = last;
      break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      TrayPanelMouseOverAndSelect(trayPanels_[trayCurrent_], true);
      return true;
    default:
      return false;
  }
  MarkTrayCurrent(true);
  return true;
}

void ColourSelectorPane::MarkTrayCurrent(bool shown) {
  // The colour the keyboard stands on is raised, and previewed in the selector as a pointer over it is.
  for (int i = 0; i < static_cast<int>(std::size(trayPanels_)); ++i)
    trayPanels_[i]->SetBevel(shown && i == trayCurrent_);
  if (!shown) return;
  ColourPanel* current = trayPanels_[trayCurrent_];
  selection_.ColourSelectorUpdate(current->Colour());
  tray_->setAccessibleDescription(current->toolTip());
}

void ColourSelectorPane::TrayPanelMouseOverAndSelect(ColourPanel* panel, bool select) {
  panel->setCursor(CustomCursor(selection_.SourceCursor()));
  selection_.ColourSelectorUpdate(panel->Colour());
  if (select) selection_.SetColourSelection({.undoStepFirst = true});
}

// ---------------------------------------------------------------- base palettes

void ColourSelectorPane::ActiveColourChanged(const ActiveColour& now, const ActiveColour& before) {
  if (DerivativesLocked_) return;
  for (ColourComponent n : kRgbComponents)
    if (now.Component(n) != before.Component(n)) PalettePanelUpdate(n);
}

void ColourSelectorPane::DrawPalette(ColourComponent n, int base) {
  QImage& picture = basePalette_[IndexOf(n)]->Picture();
  DrawBasePalette(n, base, base, base, WebSafePaletteAction->isChecked(),
                  std::span<std::uint32_t>(reinterpret_cast<std::uint32_t*>(picture.bits()),
                                           static_cast<std::size_t>(kPaletteSize) * kPaletteSize));
  basePalette_[IndexOf(n)]->update();
}

void ColourSelectorPane::PalettePanelUpdate(ColourComponent n) {
  if (!IsCmy(n)) DrawPalette(n, active_.Value().Component(n));
}

void ColourSelectorPane::BMPPixelColourRetrieve(ColourComponent n, QPoint pos) {
  ImageBox* image = basePalette_[IndexOf(n)];
  image->setCursor(CustomCursor(selection_.SourceCursor()));
  if (const auto colour = image->PixelColour(pos.x(), pos.y())) selection_.ColourSelectorUpdate(*colour);
}

void ColourSelectorPane::PaletteImagesMouseDown(ColourComponent n, Qt::MouseButton button, QPoint pos) {
  if (button == Qt::LeftButton) {
    BMPPixelColourRetrieve(n, pos);
    selection_.SetColourSelection({.undoStepFirst = true, .copyValue = true});
  } else if (button == Qt::RightButton) {
    PalettePopupExt->Popup(basePalette_[IndexOf(n)]->mapToGlobal(pos));
  }
}

void ColourSelectorPane::WebSafePaletteToggle() {
  // Each palette is drawn anew around its own base, in the new mode.
  for (ImageBox* palette : basePalette_) palette->setCursor(Qt::WaitCursor);
  for (ColourComponent n : kRgbComponents)
    DrawPalette(n, BaseLevel(n, basePalette_[IndexOf(n)]->PixelColour(0, 0).value_or(Rgb8{})));
  for (ImageBox* palette : basePalette_) palette->setCursor(Qt::CrossCursor);
}

void ColourSelectorPane::LockColourSpeedButtonMouseDown(Qt::MouseButton button) {
  if (button == Qt::LeftButton) BaseColourLockToggle();
  if (button == Qt::RightButton) BaseColourLockReset();
}

void ColourSelectorPane::BaseColourLockToggle() {
  if (!DerivativesLocked_) {
    LockColourSpeedButton->SetGlyph(":/glyphs/locked.svg");
    DerivativesLocked_ = true;
    return;
  }
  LockColourSpeedButton->SetGlyph(":/glyphs/unlocked.svg");
  LockColourSpeedButton->setCursor(Qt::WaitCursor);
  for (ColourComponent n : kRgbComponents) PalettePanelUpdate(n);
  LockColourSpeedButton->setCursor(Qt::PointingHandCursor);
  DerivativesLocked_ = false;
}

void ColourSelectorPane::BaseColourLockReset() {
  // Palettes drawn from black and locked; the active colour stays as it is.
  LockColourSpeedButton->setCursor(Qt::WaitCursor);
  LockColourSpeedButton->SetGlyph(":/glyphs/locked.svg");
  for (ColourComponent n : kRgbComponents) DrawPalette(n, 0);
  DerivativesLocked_ = true;
  LockColourSpeedButton->setCursor(Qt::PointingHandCursor);
}

void ColourSelectorPane::ApplySettings(const SettingsValues& v) {
  if (v.getAllAsWebsafe) {
    RetrieveAllAsWebSafeAction->setChecked(true);
    RetrieveAllAsWebSafeClick();
  }
  if (v.webSafePalette && !WebSafePaletteAction->isChecked()) {
    WebSafePaletteAction->setChecked(true);
    WebSafePaletteToggle();
  }
  if (v.basePaletteUnlocked && DerivativesLocked_) BaseColourLockToggle();
}

void ColourSelectorPane::CollectSettings(SettingsValues& v) const {
  v.getAllAsWebsafe = RetrieveAllAsWebSafeAction->isChecked();
  v.basePaletteUnlocked = !DerivativesLocked_;
  v.webSafePalette = WebSafePaletteAction->isChecked();
}

void ColourSelectorPane::RetrieveAllAsWebSafeClick() {
  selection_.SetWebSafeOnly(RetrieveAllAsWebSafeAction->isChecked());
  WebSafeImage->setVisible(RetrieveAllAsWebSafeAction->isChecked());
}

}  // namespace tintora
