// The screen on X11, read straight from the X server over a connection of its own: one
// QueryPointer and one GetImage on the root window per capture tick, every 50 ms all day long.
// That costs about a third of Qt's grab, and no reply wakes Qt's own event thread. Elsewhere
// (offscreen, Wayland) Qt's reader stands in.
#include <optional>

#include <xcb/xcb.h>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "capture/platform/backends.h"
#include "capture/screen_backend.h"
#include "colour/notations.h"

namespace tintora {

namespace {

// Where a component sits in a pixel value, from the visual's mask.
struct Channel {
  int shift = 0;
  unsigned bits = 8;
  unsigned mask = 0;
  int Of(std::uint32_t pixel) const {
    const unsigned v = (pixel & mask) >> shift;
    return bits >= 8 ? static_cast<int>(v >> (bits - 8)) : static_cast<int>((v * 255) / ((1u << bits) - 1));
  }
  static Channel From(std::uint32_t mask) {
    Channel c;
    c.mask = mask;
    if (mask == 0) return c;
    while (!((mask >> c.shift) & 1)) ++c.shift;
    c.bits = 0;
    while ((mask >> (c.shift + c.bits)) & 1) ++c.bits;
    return c;
  }
};

class X11ScreenAccess final : public QtScreenAccess {
 public:
  explicit X11ScreenAccess(xcb_connection_t* connection) : connection_(connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    root_ = screen->root;
    rootWidth_ = screen->width_in_pixels;
    rootHeight_ = screen->height_in_pixels;
    littleEndian_ = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
      for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
        if (v.data->visual_id != screen->root_visual) continue;
        red_ = Channel::From(v.data->red_mask);
        green_ = Channel::From(v.data->green_mask);
        blue_ = Channel::From(v.data->blue_mask);
        trueColour_ =
            v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR || v.data->_class == XCB_VISUAL_CLASS_DIRECT_COLOR;
      }
    }
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
      if (f.data->depth == screen->root_depth) bytesPerPixel_ = f.data->bits_per_pixel / 8;
  }

  ~X11ScreenAccess() override { xcb_disconnect(connection_); }

  QString BackendName() const override { return ScreenBackendName(ScreenBackend::X11); }

  QPoint CursorPos() const override {
    // The pixel where the last one was read goes out with the pointer's question: a pointer at
    // rest then costs one round trip a tick, not two.
    const xcb_query_pointer_cookie_t pointer = xcb_query_pointer(connection_, root_);
    std::optional<xcb_get_image_cookie_t> pixel;
    if (lastPixel_) pixel = RequestImage(lastPixel_->x(), lastPixel_->y(), 1, 1);
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(connection_, pointer, nullptr);
    prefetched_.reset();
    if (pixel) prefetched_ = TakeColour(*pixel);
    if (!reply) return QtScreenAccess::CursorPos();
    const QPoint p = Logical(QPoint(reply->root_x, reply->root_y));
    free(reply);
    return p;
  }

  int PixelAt(QPoint p) override {
    if (!trueColour_ || bytesPerPixel_ < 2) return QtScreenAccess::PixelAt(p);
    const QPoint n = Native(p);
    const bool fresh = lastPixel_ == n && prefetched_;
    const int prefetched = prefetched_.value_or(-1);
    prefetched_.reset();
    if (!OnRoot(n)) {
      lastPixel_.reset();
      return -1;
    }
    lastPixel_ = n;
    return fresh ? prefetched : TakeColour(RequestImage(n.x(), n.y(), 1, 1));
  }

  QImage GrabRect(QRect rect) override {
    lastPixel_.reset();  // magnified reads want blocks, not the pixel
    if (!trueColour_ || bytesPerPixel_ < 2) return QtScreenAccess::GrabRect(rect);
    QImage block(rect.size(), QImage::Format_RGB32);
    block.fill(Qt::black);
    const QScreen* screen = QGuiApplication::screenAt(rect.center());
    const qreal dpr = screen ? screen->devicePixelRatio() : 1.0;
    // The device pixels under the block, clipped to the root window; outside it stays black.
    const QPoint topLeft = Native(rect.topLeft(), screen);
    const int w = static_cast<int>(rect.width() * dpr), h = static_cast<int>(rect.height() * dpr);
    const QRect device = QRect(topLeft, QSize(w, h)).intersected(QRect(0, 0, rootWidth_, rootHeight_));
    if (device.isEmpty()) return block;
    xcb_get_image_reply_t* reply = GetImage(device.x(), device.y(), device.width(), device.height());
    if (!reply) return block;
    const std::uint8_t* data = xcb_get_image_data(reply);
    const int stride = xcb_get_image_data_length(reply) / device.height();
    // One image pixel per logical pixel: the first device pixel of each.
    for (int y = 0; y < rect.height(); ++y) {
      const int dy = static_cast<int>(y * dpr) + topLeft.y() - device.y();
      if (dy < 0 || dy >= device.height()) continue;
      auto* row = reinterpret_cast<QRgb*>(block.scanLine(y));
      for (int x = 0; x < rect.width(); ++x) {
        const int dx = static_cast<int>(x * dpr) + topLeft.x() - device.x();
        if (dx < 0 || dx >= device.width()) continue;
        row[x] = PixelOf(ColourOf(data + dy * stride + dx * bytesPerPixel_));
      }
    }
    free(reply);
    return block;
  }

 private:
  // The device pixel under a logical position: Qt scales about each screen's top-left corner.
  static QPoint Native(QPoint p, const QScreen* screen = nullptr) {
    if (!screen) screen = QGuiApplication::screenAt(p);
    if (!screen) return p;
    const QPoint origin = screen->geometry().topLeft();
    const qreal dpr = screen->devicePixelRatio();
    return origin +
           QPoint(static_cast<int>((p.x() - origin.x()) * dpr), static_cast<int>((p.y() - origin.y()) * dpr));
  }
  // The logical position of a device pixel: the inverse of Native, on the screen that shows it.
  static QPoint Logical(QPoint n) {
    for (const QScreen* screen : QGuiApplication::screens()) {
      const QPoint origin = screen->geometry().topLeft();
      const qreal dpr = screen->devicePixelRatio();
      if (QRect(origin, screen->geometry().size() * dpr).contains(n))
        return origin + QPoint(static_cast<int>((n.x() - origin.x()) / dpr),
                               static_cast<int>((n.y() - origin.y()) / dpr));
    }
    return n;
  }
  bool OnRoot(QPoint n) const {
    return n.x() >= 0 && n.y() >= 0 && n.x() < rootWidth_ && n.y() < rootHeight_;
  }

  xcb_get_image_cookie_t RequestImage(int x, int y, int w, int h) const {
    return xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<std::int16_t>(x),
                         static_cast<std::int16_t>(y), static_cast<std::uint16_t>(w),
                         static_cast<std::uint16_t>(h), ~0u);
  }
  xcb_get_image_reply_t* Reply(xcb_get_image_cookie_t cookie) const {
    xcb_generic_error_t* error = nullptr;
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection_, cookie, &error);
    free(error);
    return reply;
  }
  xcb_get_image_reply_t* GetImage(int x, int y, int w, int h) const {
    return Reply(RequestImage(x, y, w, h));
  }
  // The colour of a one-pixel image, or -1 when the server could not give it.
  int TakeColour(xcb_get_image_cookie_t cookie) const {
    xcb_get_image_reply_t* reply = Reply(cookie);
    if (!reply) return -1;
    const int colour = ColourOf(xcb_get_image_data(reply));
    free(reply);
    return colour;
  }

  int ColourOf(const std::uint8_t* bytes) const {
    std::uint32_t pixel = 0;
    for (int i = 0; i < bytesPerPixel_; ++i) {
      const int b = littleEndian_ ? i : bytesPerPixel_ - 1 - i;
      pixel |= static_cast<std::uint32_t>(bytes[b]) << (8 * i);
    }
    return ColourFromRgb(red_.Of(pixel), green_.Of(pixel), blue_.Of(pixel));
  }

  xcb_connection_t* connection_;
  // The device pixel read last, and its colour as fetched with the pointer's position.
  mutable std::optional<QPoint> lastPixel_;
  mutable std::optional<int> prefetched_;
  xcb_window_t root_ = 0;
  int rootWidth_ = 0, rootHeight_ = 0;
  int bytesPerPixel_ = 0;
  bool littleEndian_ = true;
  bool trueColour_ = false;
  Channel red_, green_, blue_;
};

}  // namespace

std::unique_ptr<ScreenAccess> MakeX11ScreenAccess() {
  // The display Qt talks to, on a connection of our own.
  xcb_connection_t* connection = xcb_connect(qgetenv("DISPLAY").constData(), nullptr);
  if (connection && !xcb_connection_has_error(connection))
    return std::make_unique<X11ScreenAccess>(connection);
  if (connection) xcb_disconnect(connection);
  return nullptr;
}

}  // namespace tintora
