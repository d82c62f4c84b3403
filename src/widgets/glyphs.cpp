#include "widgets/glyphs.h"

#include <map>
#include <tuple>

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "widgets/glyph_drawing.h"

namespace tintora {

namespace {

// Renders the drawing for whatever size, density and mode the icon is asked for; a disabled
// button's glyph is greyed by the style, as any other icon.
class SvgGlyphEngine : public QIconEngine {
 public:
  explicit SvgGlyphEngine(QString file) : file_(std::move(file)) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    // A button asks again at every paint: each size and mode is drawn once.
    const auto key = std::tuple(size.width(), size.height(), static_cast<int>(mode));
    if (auto found = drawn_.find(key); found != drawn_.end()) return found->second;
    QPixmap pix = GlyphPixmap(file_, size, 1.0);
    if (mode == QIcon::Disabled) {
      QStyleOption option;
      pix = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pix, &option);
    }
    drawn_.emplace(key, pix);
    return pix;
  }
  QIconEngine* clone() const override { return new SvgGlyphEngine(file_); }

 private:
  QString file_;
  std::map<std::tuple<int, int, int>, QPixmap> drawn_;
};

}  // namespace

QIcon GlyphIcon(const QString& file) { return QIcon(new SvgGlyphEngine(file)); }

QPixmap GlyphPixmap(const QString& file, QSize size, qreal ratio) {
  QPixmap pix(size * ratio);
  pix.fill(Qt::transparent);
  QPainter painter(&pix);
  DrawGlyph(painter, file, QRectF(QPointF(0, 0), QSizeF(pix.size())));
  painter.end();
  pix.setDevicePixelRatio(ratio);
  return pix;
}

void PaintGlyph(QPainter& painter, const QString& file, const QRectF& target) {
  painter.save();
  DrawGlyph(painter, file, target);
  painter.restore();
}

}  // namespace tintora
