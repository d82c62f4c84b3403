#include "colourlist/adjust_window.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>

#include "core/colour/hsv.h"
#include "core/colour/notations.h"
#include "widgets/colour_panel.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

namespace {

constexpr int kPreviewWidth = 366;

QColor HexColour(const std::string& hex) { return ToQColor(Rgb8::OfHex(hex).value_or(Rgb8{})); }

// The fixed strips under the sliders: the hues, grey to red, black to white.
QImage Strip(int which) {
  QImage strip(256, 6, QImage::Format_RGB32);
  for (int x = 0; x < 256; ++x) {
    const Rgb8 c = which == 0   ? HsvToRgb8(x * 360.0L / 256, 1, 255)
                   : which == 1 ? HsvToRgb8(0, x / 255.0L, 255)
                                : Rgb8::OfLevels(x, x, x);
    for (int y = 0; y < 6; ++y) strip.setPixel(x, y, c.Pixel());
  }
  return strip;
}

}  // namespace

AdjustPreview::AdjustPreview(QWidget* parent) : QWidget(parent) {
  setObjectName("PaletteImage");
  setToolTip("Use the adjustments below to adjust.");
  setCursor(Qt::CrossCursor);
  setFixedSize(kPreviewWidth, 0);
}

void AdjustPreview::SetCells(std::size_t count, std::function<AdjustedEntry(std::size_t)> cell) {
  count_ = count;
  cell_ = std::move(cell);
  setFixedSize(kPreviewWidth, AdjustPreviewHeight(count));
  update();
}

void AdjustPreview::PaintCells(QPainter& p, const QRect& area) const {
  p.fillRect(area, Qt::white);
  if (count_ == 0 || !cell_) return;
  const int firstRow = std::max(0, area.top() / kAdjustCellHeight);
  const int lastRow = area.bottom() / kAdjustCellHeight;
  p.setPen(Qt::black);
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = 0; column < 2; ++column) {
      const std::size_t k = static_cast<std::size_t>(row) * 2 + static_cast<std::size_t>(column);
      if (k >= count_) return;
      const AdjustedEntry e = cell_(k);
      const int x = kAdjustCellWidth * column, y = kAdjustCellHeight * row;
      p.setBrush(HexColour(e.shown));
      p.drawRoundedRect(QRect(x + 5, y + 5, 20, 20), 2, 2);
      p.setBrush(HexColour(e.before));
      p.drawRoundedRect(QRect(x + 17, y + 17, 12, 12), 2, 2);
      p.drawText(QRect(x + 31, y + 3, kAdjustCellWidth - 33, 14), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromStdString(e.name));
      p.drawText(QRect(x + 31, y + 16, kAdjustCellWidth - 33, 14), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromStdString(e.before + " {" + e.after + "}"));
    }
  }
}

void AdjustPreview::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  PaintCells(p, event->rect());
}

QImage AdjustPreview::Picture(int maxHeight) const {
  const int height = std::min(AdjustPreviewHeight(count_), maxHeight);
  QImage picture(kPreviewWidth, std::max(height, 1), QImage::Format_RGB32);
  QPainter p(&picture);
  p.setFont(font());
  PaintCells(p, picture.rect());
  return picture;
}

void AdjustPreview::contextMenuEvent(QContextMenuEvent* event) { emit MenuRequested(event->globalPos()); }

AdjustWindow::AdjustWindow(QWidget* parent)
    : QWidget(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form6");
  setWindowTitle("Adjust Selected Colours");

  PreviewScroller = Make<QScrollArea>(this, "ScrollBox1");
  PreviewScroller->setMinimumSize(388, 178);
  PreviewScroller->setAccessibleName("The selected colours before and after");
  PreviewScroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PreviewScroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  PreviewScroller->setBackgroundRole(QPalette::Base);
  PaletteImage = new AdjustPreview(PreviewScroller);
  PreviewScroller->setWidget(PaletteImage);

  HSIMixerPanel = Make<QWidget>(this, "HSIMixerPanel");
  QGridLayout* mixer = GridOn(HSIMixerPanel, true);
  mixer->setVerticalSpacing(0);
  const struct {
    const char* letter;
    const char* hint;
    const char* slider;
    const char* sliderHint;
    const char* edit;
    int low;
    const char* start;
  } rows[3] = {{"H", "Hue", "HueTrackBar", "Slide to change the colour hue.", "HueEdit", 0, "0\u00B0"},
               {"S", "Saturation", "SaturationTrackBar", "Slide to increase or decrease saturation value.",
                "SaturationEdit", -255, "0%"},
               {"V", "Vibrance", "IntensityTrackBar3", "Slide to increase or decrease intensity value.",
                "Intensity3Edit", -255, "0%"}};
  QSlider* sliders[3];
  QLineEdit* edits[3];
  const char* images[3] = {"ColourSpectrumImage", "SaturationImage", "IntensityImage"};
  for (int i = 0; i < 3; ++i) {
    auto* letter = Make<QLabel>(HSIMixerPanel, rows[i].letter, rows[i].hint, rows[i].letter);
    sliders[i] = Make<QSlider>(HSIMixerPanel, rows[i].slider, rows[i].sliderHint, Qt::Horizontal);
    sliders[i]->setRange(rows[i].low, i == 0 ? 360 : 255);
    sliders[i]->setTickInterval(10);
    sliders[i]->setTickPosition(QSlider::TicksBelow);
    sliders[i]->setMinimumWidth(290);
    // The strip under the bar shows what its positions mean.
    auto* strip = Make<QLabel>(HSIMixerPanel, images[i]);
    strip->setPixmap(QPixmap::fromImage(Strip(i).scaled(274, 6)));
    strip->setScaledContents(true);
    strip->setFixedHeight(6);
    edits[i] = Make<QLineEdit>(HSIMixerPanel, rows[i].edit, {}, QString::fromUtf8(rows[i].start));
    edits[i]->setReadOnly(true);
    edits[i]->setAccessibleName(QString(rows[i].hint) + " change");
    FitCharacters(edits[i], 7);
    // The value beside its bar: the hue's turn in degrees, the others as a share.
    connect(sliders[i], &QSlider::valueChanged, this, [this, edit = edits[i], hue = i == 0](int v) {
      edit->setText(hue ? QString("+%1").arg(v) + QChar(0xB0) : QString::fromStdString(AdjustPercentText(v)));
      emit SlidersMoved();
    });
    mixer->addWidget(letter, 2 * i, 0);
    mixer->addWidget(sliders[i], 2 * i, 1);
    mixer->addWidget(edits[i], 2 * i, 2);
    mixer->addWidget(strip, 2 * i + 1, 1);
    mixer->setRowMinimumHeight(2 * i + 1, 6 + mixer->horizontalSpacing());
  }
  HueTrackBar = sliders[0];
  SaturationTrackBar = sliders[1];
  VibranceTrackBar = sliders[2];

  AdjustAcceptButton = Make<QPushButton>(this, "AdjustAcceptButton", {}, "Accept");
  AdjustAcceptButton->setEnabled(false);
  AdjustCancelButton = Make<QPushButton>(this, "AdjustCancelButton", {}, "Cancel/Close");
  QVBoxLayout* column = ColumnOn(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->addWidget(PreviewScroller);
  column->addWidget(HSIMixerPanel);
  column->addLayout(Row({nullptr, AdjustAcceptButton, AdjustCancelButton}));
  connect(AdjustAcceptButton, &QPushButton::clicked, this, &AdjustWindow::AcceptClicked);
  connect(AdjustCancelButton, &QPushButton::clicked, this, &AdjustWindow::CancelClicked);
}

Adjustment AdjustWindow::Sliders() const {
  return {HueTrackBar->value(), SaturationTrackBar->value(), VibranceTrackBar->value()};
}

void AdjustWindow::ResetSliders() {
  for (QSlider* s : {HueTrackBar, SaturationTrackBar, VibranceTrackBar}) s->setValue(0);
}

void AdjustWindow::SetAcceptEnabled(bool enabled) { AdjustAcceptButton->setEnabled(enabled); }

void AdjustWindow::closeEvent(QCloseEvent* event) {
  emit Closed();
  QWidget::closeEvent(event);
}

}  // namespace tintora
