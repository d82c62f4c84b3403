#include "harmony/harmony_colours.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>
#include <cmath>

#include "core/colour/websafe.h"
#include "core/harmony/harmony.h"
#include "core/harmony/wheel.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings_values.h"
#include "harmony/wheel_options_window.h"
#include "widgets/centre.h"
#include "widgets/colour_panel.h"
#include "widgets/colour_selection.h"
#include "widgets/cursors.h"
#include "widgets/glyphs.h"
#include "widgets/guarded.h"
#include "widgets/image_box.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/popup_ext.h"
#include "widgets/settings_store.h"
#include "widgets/shape_box.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {
constexpr Rgb8 kSilver{0xC0, 0xC0, 0xC0};
// The wheel as DrawColourWheel paints it, but anti-aliased and at `ratio` device pixels per
// logical one: the active colour behind, the silver rim, then each section over the last.
QImage SmoothWheel(QSize size, qreal ratio, int divisions, Rgb8 active, bool outline, bool borders,
                   const HueOffsetColour& colourAt) {
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(ToQColor(active));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(size.width() / 2.0, size.height() / 2.0);
  const double r = size.height() / 2.0;
  auto circle = [&](double radius) {
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  };
  if (outline) {
    // The rim runs from a degree before twelve o'clock to the last section's end; the rest of
    // the last section shows the active colour.
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(kWheelOutlineColour));
    p.drawPie(circle(r - 0.25), 91 * 16, -(360 - 360 / std::max(divisions, 2) + 1) * 16);
  }
  p.setPen(borders ? QPen(ToQColor(kWheelBorderColour), 1) : QPen(Qt::NoPen));
  for (const WheelSection& s : ColourWheelSections(static_cast<int>(r) - 1, divisions, colourAt)) {
    p.setBrush(ToQColor(s.brush));
    const QRectF disc = circle(r - 1.5);
    if (s.full) {
      p.drawEllipse(disc);
    } else {
      // Clockwise from twelve o'clock: Qt counts sixteenths of a degree anticlockwise from three.
      const int span = -static_cast<int>(std::lround(static_cast<double>(s.end) * 180.0 / M_PI * 16));
      p.drawPie(disc, 90 * 16, span);
    }
  }
  return image;
}
}  // namespace

HarmonyColours::HarmonyColours(QGroupBox* viewerPane, QWidget* swatchHost, QWidget* window,
                               MadeOnFirstUse<WheelOptionsWindow> options, const HarmonyParts& parts)
    : active_(parts.active),
      selection_(parts.selection),
      window_(window),
      options_(std::move(options)),
      settings_(parts.settings) {
  Build(viewerPane, swatchHost);
  ComplimentaryColPopupExt = MakePopup(viewerPane, "ComplimentaryColPopupExt", parts.onTop);
  PopupMenu* menu = ComplimentaryColPopupExt;
  ShowComplementaryColoursAction =
      menu->AddItem("ShowComplimentaryColours1", "Show Complementary Colours", true);
  WebSafeComplementsOnlyAction = menu->AddItem("WebsafeComplimentsOnly1", "Websafe Complements Only", true);
  menu->addSeparator();
  schemeGroup_ = new QActionGroup(this);
  schemeGroup_->setExclusive(true);
  const char* const kSchemes[6][2] = {
      {"Complimentary1", "Complementary"}, {"SplitComplimentary1", "Split Complementary"},
      {"Analogous1", "Analogous"},         {"Triadic1", "Triadic"},
      {"Tetradic1", "Tetradic"},           {"ColourWheel1", "Colour Wheel"}};
  for (int i = 0; i < 6; ++i) {
    schemes_[i] = menu->AddItem(kSchemes[i][0], kSchemes[i][1], true);
    schemeGroup_->addAction(schemes_[i]);
  }
  schemes_[0]->setChecked(true);
  menu->addSeparator();
  CustomizeColourWheelAction = menu->AddItem("CustomizeColourWheel1", "Customize Colour Wheel");
  for (QAction* a : schemeGroup_->actions()) a->setEnabled(false);
  WebSafeComplementsOnlyAction->setEnabled(false);
  CustomizeColourWheelAction->setEnabled(false);
  CustomizeColourWheelAction->setVisible(false);

  Connect();
  options_.OnMade([this, &onTop = parts.onTop](WheelOptionsWindow& options) {
    options.SetStoredOptions(stored_);
    // While the options are open the main window waits for them (they are window-modal).
    Link(&options, &WheelOptionsWindow::Shown, this, [&onTop] { onTop.SuspendOnTop(); });
    Link(&options, &WheelOptionsWindow::Closed, this, [&onTop] { onTop.RestoreOnTop(); });
    Link(&options, &WheelOptionsWindow::SettingsChanged, this, [this] { ComplimentaryColDisplay(); });
    Link(&options, &WheelOptionsWindow::SaveRequested, this, [this] { WheelCustSave(); });
  });
}

WheelOptionsWindow* HarmonyColours::Options() { return options_.get(); }

bool HarmonyColours::OptionsOpen() const { return options_.Visible(); }

void HarmonyColours::KeepOptionsFocus(QWidget* mainWindow) {
  if (options_.Visible()) options_->KeepFocus(mainWindow);
}

WheelOptions HarmonyColours::CurrentOptions() const {
  return options_.IfMade() ? options_.IfMade()->Options() : stored_;
}

HarmonyColours::~HarmonyColours() = default;

QWidget* HarmonyColours::CaptionLabel() const { return caption_; }
QWidget* HarmonyColours::WebSafeMark() const { return ComplementsWebSafeImage; }

void HarmonyColours::Build(QGroupBox* viewerPane, QWidget* swatchHost) {
  // The caption, and beside it a button that opens the same choices as its right click.
  caption_ = Make<QWidget>(viewerPane, "CompColCaption");
  CompColLabel = Make<QLabel>(caption_, "CompColLabel", "Right click for complementary colour options.",
                              "Harmony Colours");
  CompColLabel->setContextMenuPolicy(Qt::CustomContextMenu);
  CompColLabel->setFocusPolicy(Qt::TabFocus);  // the harmony menu, from the keyboard
  HarmonyMenuButton = Make<QToolButton>(caption_, "HarmonyMenuButton", "Harmony colour options");
  HarmonyMenuButton->setArrowType(Qt::DownArrow);
  HarmonyMenuButton->setAutoRaise(true);
  HarmonyMenuButton->setAccessibleName("Harmony colour options");
  QHBoxLayout* captionRow = RowOn(caption_, true);
  captionRow->addWidget(CompColLabel);
  captionRow->addWidget(HarmonyMenuButton);
  captionRow->addStretch(1);
  ComplementsWebSafeImage = Make<ImageBox>(viewerPane, "WebSafeImage2", "Websafe Complements Only = ON");
  ComplementsWebSafeImage->SetGlyph(":/glyphs/websafe.svg");
  ComplementsWebSafeImage->setMinimumSize(32, 32);
  ComplementsWebSafeImage->hide();

  // Swatches and the wheel sit inside the viewer panel itself.
  const char* names[3] = {"Shape1", "Shape2", "Shape3"};
  for (int i = 0; i < 3; ++i) {
    swatches_[i] =
        MakeInPicture<ShapeBox>(swatchHost, names[i], {4 + i * (kSwatchWidth + 2), 19, kSwatchWidth, 18}, {},
                                ShapeBox::Kind::Rectangle);
    swatches_[i]->SetPen(true, kSilver);
    swatches_[i]->setAccessibleName(QString("Harmony colour %1").arg(i + 1));
    swatches_[i]->hide();
  }
  WheelImage = MakeInPicture<ImageBox>(swatchHost, "WheelImage", {});
  WheelImage->setAccessibleName("Colour wheel");
  WheelImage->setAccessibleDescription("The harmony colours around the active colour's hue");
  WheelImage->hide();
  WheelCenterShape = MakeInPicture<ShapeBox>(swatchHost, "WheelCenterShape", {}, {}, ShapeBox::Kind::Circle);
  WheelCenterShape->SetPen(true, kWheelBorderColour);
  WheelCenterShape->setAccessibleName("Colour wheel centre");
  WheelCenterShape->hide();
}

void HarmonyColours::Connect() {
  Link(&active_, &ActiveColourHolder::Changed, this,
       [this](const ActiveColour& now, const ActiveColour& before) {
         // New levels come with new working values (SetWorkingValues); the offset alone comes here.
         if (now.SameLevels(before)) ComplimentaryColDisplay();
       });
  Link(CompColLabel, &QLabel::customContextMenuRequested, this,
       [this](const QPoint& p) { ComplimentaryColPopupExt->Popup(CompColLabel->mapToGlobal(p)); });
  Link(HarmonyMenuButton, &QToolButton::clicked, this, [this](bool) {
    ComplimentaryColPopupExt->Popup(HarmonyMenuButton->mapToGlobal(QPoint(0, HarmonyMenuButton->height())));
  });
  Link(ShowComplementaryColoursAction, &QAction::triggered, this,
       [this](bool) { ComplimentaryColActivate(); });
  Link(WebSafeComplementsOnlyAction, &QAction::triggered, this,
       [this](bool) { WebSafeComplementsOnlyClick(); });
  for (QAction* a : schemes_) Link(a, &QAction::triggered, this, [this, a](bool) { SchemeClick(a); });
  Link(CustomizeColourWheelAction, &QAction::triggered, this, [this](bool) { CustomizeColourWheelClick(); });
  for (ShapeBox* s : swatches_) {
    Link(s, &ShapeBox::MousePressed, this, [this, s](Qt::MouseButton b, QPoint) { ShapeMouseDown(s, b); });
    Link(s, &ShapeBox::MouseMoved, this, [this, s](QPoint) { PointAt(s->BrushColour(), s); });
  }
  Link(WheelImage, &ImageBox::MouseMoved, this, [this](QPoint p) { WheelImageMouseMove(p); });
  Link(WheelImage, &ImageBox::MousePressed, this,
       [this](Qt::MouseButton b, QPoint p) { WheelImageMouseDown(b, p); });
  Link(WheelImage, &ImageBox::DoubleClicked, this, [this] { emit SampleResetRequested(); });
  Link(WheelCenterShape, &ShapeBox::MouseMoved, this,
       [this](QPoint) { PointAt(WheelCenterShape->BrushColour(), WheelCenterShape); });
  Link(WheelCenterShape, &ShapeBox::MousePressed, this,
       [this](Qt::MouseButton b, QPoint) { WheelCenterShapeMouseDown(b); });
}

// ---------------------------------------------------------------- showing the harmony colours

bool HarmonyColours::ShowingComplements() const { return ShowComplementaryColoursAction->isChecked(); }

Rgb8 HarmonyColours::ComplementWebSafe(Rgb8 colour) const {
  return WebSafeComplementsOnlyAction->isChecked() ? WebSafeColour(colour) : colour;
}

Rgb8 HarmonyColours::HarmonyColour(int offset) const {
  return tintora::HarmonyColour(offset, working_.hue, working_.saturation, working_.vibrance);
}

int HarmonyColours::CheckedScheme() const {
  int scheme = 1;
  for (int i = 0; i < 6; ++i)
    if (schemes_[i]->isChecked()) scheme = i + 1;
  return scheme;
}

std::vector<int> HarmonyColours::VisibleMarkers() const {
  if (!ShowingComplements()) return {};
  return SchemeOffsets(static_cast<HarmonyScheme>(CheckedScheme()));
}

void HarmonyColours::SetWorkingValues(const HsWorkingValues& values) {
  working_ = values;
  ComplimentaryColDisplay();
}

void HarmonyColours::SetLargeViewer(bool large) {
  largeViewer_ = large;
  if (ShowingComplements()) {
    ComplimentaryColSize();
    ComplimentaryColUpdate();
  }
}

void HarmonyColours::ComplimentaryColActivate() {
  const bool on = ShowingComplements();
  for (QAction* a : schemes_) a->setEnabled(on);
  WebSafeComplementsOnlyAction->setEnabled(on);
  CustomizeColourWheelAction->setEnabled(on);
  emit ComplementsShown(on);
  ComplimentaryColDisplay();
}

void HarmonyColours::ComplimentaryColDisplay() {
  if (!ShowingComplements()) {
    for (ShapeBox* s : swatches_) s->hide();
    WheelImage->hide();
    WheelCenterShape->hide();
    emit MarkersChanged({});
    emit WheelShown(false);
    return;
  }
  for (ShapeBox* s : swatches_) s->show();
  ComplimentaryColSize();
  ComplimentaryColUpdate();
}

void HarmonyColours::ComplimentaryColSize() {
  const auto scheme = static_cast<HarmonyScheme>(CheckedScheme());
  // The wheel's options only make sense while the wheel is shown.
  CustomizeColourWheelAction->setVisible(scheme == HarmonyScheme::ColourWheel);
  const SwatchLayout l = ComplimentarySwatchLayout(scheme, largeViewer_);
  for (int i = 0; i < 3; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    swatches_[i]->setVisible(i < l.visibleSwatches);
    if (i < l.visibleSwatches) swatches_[i]->setGeometry(l.left[k], l.top[k], kSwatchWidth, l.height[k]);
  }
  emit MarkersChanged(VisibleMarkers());
  emit WheelShown(scheme == HarmonyScheme::ColourWheel);
  if (scheme != HarmonyScheme::ColourWheel) {
    WheelImage->hide();
    WheelCenterShape->hide();
    return;
  }
  const WheelLayout w = ColourWheelLayout();
  WheelImage->setGeometry(w.imageLeft, w.imageTop, w.imageSize, w.imageSize);  // drawn anew at this size
  WheelCenterShape->setGeometry(w.discLeft, w.discTop, w.discSize, w.discSize);
}

void HarmonyColours::ComplimentaryColUpdate() {
  // While a batch of complements is indexed the swatches keep the colours being indexed.
  if (indexingComplements_) return;
  const auto scheme = static_cast<HarmonyScheme>(CheckedScheme());
  const std::vector<int> offsets = SchemeOffsets(scheme);
  for (std::size_t i = 0; i < offsets.size(); ++i)
    swatches_[i]->SetBrushColour(ComplementWebSafe(HarmonyColour(offsets[i])));
  if (scheme == HarmonyScheme::ColourWheel) DrawWheel();
}

void HarmonyColours::DrawWheel() {
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
  const WheelOptions o = CurrentOptions();
  const HueOffsetColour colourAt = [this](int offset) { return ComplementWebSafe(HarmonyColour(offset)); };
  // The pixels say which colour is where (pointing and picking read them); what is shown is the
  // same wheel drawn smooth at the screen's density.
  DrawColourWheel(canvas, o.divisions, ActiveShown(), o.outline, o.borders, colourAt);
  WheelImage->SetDisplay(SmoothWheel(size, WheelImage->devicePixelRatioF(), o.divisions, ActiveShown(),
                                     o.outline, o.borders, colourAt));
  WheelCenterShape->SetPen(o.borders, kWheelBorderColour);
  WheelCenterShape->SetBrushColour(ComplementWebSafe(HarmonyColour(0)));
  WheelImage->update();
}

// ---------------------------------------------------------------- menu commands

void HarmonyColours::SchemeClick(QAction* item) {
  item->setChecked(true);
  if (item == schemes_[5]) {
    ComplimentaryColDisplay();
  } else {
    ComplimentaryColSize();
    ComplimentaryColUpdate();
  }
}

void HarmonyColours::WebSafeComplementsOnlyClick() {
  ComplimentaryColSize();
  ComplimentaryColUpdate();
  ComplementsWebSafeImage->setVisible(WebSafeComplementsOnlyAction->isChecked());
}

void HarmonyColours::CustomizeColourWheelClick() {
  options_->adjustSize();
  options_->move(CentreOver(window_->frameGeometry(), options_->size()));
  options_->show();
  options_->raise();
  options_->activateWindow();
}

// ---------------------------------------------------------------- settings

void HarmonyColours::WheelCustSave() {
  const WheelOptions o = CurrentOptions();
  settings_.Write([&](IniFile& ini) {
    return ini.WriteBool("Colour Wheel", "WheelOutline", o.outline) &&
           ini.WriteBool("Colour Wheel", "ColourBorders", o.borders) &&
           ini.WriteInteger("Colour Wheel", "Divisions", o.divisions);
  });
}

void HarmonyColours::ApplySchemeSettings(const SettingsValues& v) {
  if (v.complimentaryStyle >= 1 && v.complimentaryStyle <= 6)
    schemes_[v.complimentaryStyle - 1]->setChecked(true);
  if (v.complimentaryWebSafe) {
    WebSafeComplementsOnlyAction->setChecked(true);
    ComplementsWebSafeImage->show();
  }
  if (v.divisions <= 0) return;  // no saved wheel: the window keeps its own defaults
  // A saved "on" leaves the window's own choice as it is; only "off" is taken from the file.
  WheelOptions o = CurrentOptions();
  o.divisions = v.divisions;
  if (!v.wheelOutline) o.outline = false;
  if (!v.colourBorders) o.borders = false;
  stored_ = o;
  if (WheelOptionsWindow* options = options_.IfMade()) options->SetStoredOptions(o);
}

void HarmonyColours::ApplyShowSettings(const SettingsValues& v) {
  if (!v.showComplimentary) return;
  ShowComplementaryColoursAction->setChecked(true);
  ComplimentaryColActivate();
}

void HarmonyColours::CollectSettings(SettingsValues& v) const {
  v.showComplimentary = ShowingComplements();
  v.complimentaryWebSafe = WebSafeComplementsOnlyAction->isChecked();
  v.complimentaryStyle = CheckedScheme();
}

}  // namespace tintora
