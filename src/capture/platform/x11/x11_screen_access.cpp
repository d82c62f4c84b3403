// The screen on X11, read straight from the X server over a connection of its own: one
// QueryPointer and one GetImage on the root window per capture tick, every 50 ms all day long.
// That costs about a third of Qt's grab, and no reply wakes Qt's own event thread. Elsewhere
// (offscreen, Wayland) Qt's reader stands in.
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <xcb/xcb.h>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>

#include "capture/platform/backends.h"
#include "capture/platform/x11/x11_display_profiles.h"
#include "capture/platform/x11/x11_pick_grab.h"
#include "core/capture/capture_maths.h"
#include "core/capture/screen_backend.h"
#include "core/colour/notations.h"

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
  explicit X11ScreenAccess(xcb_connection_t* connection)
      : connection_(connection), root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
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
    // A changed display profile is told by a PropertyNotify on the root window.
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
  }

  ~X11ScreenAccess() override {
    if (grab_.Held()) grab_.Release();
    xcb_disconnect(connection_);
  }

  QString BackendName() const override { return ScreenBackendName(ScreenBackend::X11); }

  QPoint CursorPos() const override {
    // The pixel or the block where the last one was read goes out with the pointer's question:
    // a pointer at rest then costs one round trip a tick, not two.
    const xcb_query_pointer_cookie_t pointer = xcb_query_pointer(connection_, root_);
    std::optional<xcb_get_image_cookie_t> pixel, block;
    if (lastPixel_) pixel = RequestImage(lastPixel_->x(), lastPixel_->y(), 1, 1);
    prefetchedPlace_.reset();
    if (lastBlock_) {
      const BlockPlace place = PlaceOf(*lastBlock_);
      if (!place.device.isEmpty()) {
        block = RequestImage(place.device.x(), place.device.y(), place.device.width(), place.device.height());
        prefetchedPlace_ = place.device;
      }
    }
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(connection_, pointer, nullptr);
    prefetched_.reset();
    if (pixel) prefetched_ = Prefetched{TakeColour(*pixel)};
    prefetchedBlock_.reset(block ? Reply(*block) : nullptr);
    if (!reply) return QtScreenAccess::CursorPos();
    const QPoint device(reply->root_x, reply->root_y);
    const QPoint p = Logical(device);
    free(reply);
    // Under a fractional scale a logical pixel holds parts of two device pixels: the pointer's
    // own is kept, for the reads at the position given here.
    pointer_ = Pointer{p, device};
    return p;
  }

  std::optional<Rgb8> PixelAt(QPoint p) override {
    lastBlock_.reset();  // plain reads want the pixel, not a block
    prefetchedBlock_.reset();
    if (!trueColour_ || bytesPerPixel_ < 2) return QtScreenAccess::PixelAt(p);
    const QPoint n = pointer_ && pointer_->logical == p ? pointer_->device : Native(p);
    const std::optional<Prefetched> prefetched = lastPixel_ == n ? prefetched_ : std::nullopt;
    prefetched_.reset();
    if (!OnRoot(n)) {
      lastPixel_.reset();
      return std::nullopt;
    }
    lastPixel_ = n;
    return prefetched ? prefetched->colour : TakeColour(RequestImage(n.x(), n.y(), 1, 1));
  }

  QImage GrabRect(QRect rect) override {
    lastPixel_.reset();  // magnified reads want blocks, not the pixel
    if (!trueColour_ || bytesPerPixel_ < 2) return QtScreenAccess::GrabRect(rect);
    QImage block(rect.size(), QImage::Format_RGB32);
    block.fill(Qt::black);
    const BlockPlace place = PlaceOf(rect);
    const QRect& device = place.device;
    const QPoint& topLeft = place.topLeft;
    const qreal dpr = place.dpr;
    const bool fresh = lastBlock_ == rect && prefetchedBlock_ && prefetchedPlace_ == device;
    lastBlock_ = rect;
    if (device.isEmpty()) return block;
    std::unique_ptr<xcb_get_image_reply_t, decltype(&free)> owned(
        fresh ? prefetchedBlock_.release()
              : GetImage(device.x(), device.y(), device.width(), device.height()),
        &free);
    prefetchedBlock_.reset();
    xcb_get_image_reply_t* reply = owned.get();
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
        row[x] = ColourOf(data + dy * stride + dx * bytesPerPixel_).Pixel();
      }
    }
    return block;
  }

  // The profile of the screen at `position`, as the X server publishes it.
  QByteArray ColourProfile(QPoint position) override {
    WatchEvents();
    TakeEvents();  // a change that came in meanwhile, perhaps with a reply
    const QScreen* screen = QGuiApplication::screenAt(position);
    const auto n =
        static_cast<std::size_t>(std::max<qsizetype>(0, QGuiApplication::screens().indexOf(screen)));
    return profiles_.Of(n);
  }

  // One colour picked from anywhere on the screen, as the command-line picker asks for it: the
  // pointer and the keyboard held with a crosshair until a left click (or Enter) picks the pixel
  // under it, or Escape (or a right click) gives up. The arrow keys move the pointer a pixel at
  // a time (ten with Shift), so a colour can be picked exactly, and without a mouse.
  void PickColour(ScreenAnswerHandler done) override {
    if (grab_.Held()) return done(ScreenAnswer::Cancelled());
    if (!trueColour_ || bytesPerPixel_ < 2) return ScreenAccess::PickColour(std::move(done));
    if (!grab_.Take()) {
      return done(ScreenAnswer::Failure(
          "Another program holds the pointer or the keyboard, so no colour can be picked now."));
    }
    pickDone_ = std::move(done);
    WatchEvents();
    TakeEvents();  // any that came with the grabs' replies
  }

 private:
  // The connection's events, read as they come: the pick's clicks and keys, and profile changes.
  void WatchEvents() {
    if (events_) return;
    events_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_), QSocketNotifier::Read);
    QObject::connect(events_.get(), &QSocketNotifier::activated, [this] { TakeEvents(); });
  }

  void FinishPick(const ScreenAnswer& answer) {
    grab_.Release();
    ScreenAnswerHandler done = std::move(pickDone_);
    pickDone_ = nullptr;
    QTimer::singleShot(0, [done, answer] { done(answer); });
  }

  void TakeEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
        profiles_.Changed(reinterpret_cast<const xcb_property_notify_event_t*>(event)->atom);
      } else if (grab_.Held()) {
        if (const auto request = grab_.Handle(event))
          FinishPick(request->kind == X11PickGrab::Request::Kind::Pick ? PickedAt(request->x, request->y)
                                                                       : ScreenAnswer::Cancelled());
      }
      free(event);
    }
    // A lost connection stays readable for ever: stop listening rather than spin.
    if (xcb_connection_has_error(connection_) && events_) events_->setEnabled(false);
    if (grab_.Held() && xcb_connection_has_error(connection_))
      FinishPick(ScreenAnswer::Failure("The connection to the X server was lost."));
  }

  void SetPickSample(int size) override { pickSample_ = SampleSizeOrOne(size); }

  void MovePointer(QPoint by) override {
    // Relative to where it is, in the server's own (device) pixels.
    xcb_warp_pointer(connection_, XCB_NONE, XCB_NONE, 0, 0, 0, 0, static_cast<std::int16_t>(by.x()),
                     static_cast<std::int16_t>(by.y()));
    xcb_flush(connection_);
  }

  ScreenAnswer PickedAt(int x, int y) {
    const std::optional<Rgb8> colour = !OnRoot(QPoint(x, y)) ? std::nullopt
                                       : pickSample_ == 1    ? TakeColour(RequestImage(x, y, 1, 1))
                                                             : SampleAround(x, y);
    return colour ? ScreenAnswer::Colour(*colour)
                  : ScreenAnswer::Failure("The pixel under the pointer could not be read.");
  }

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
  // The mean in linear light of the pick's square of device pixels round (x, y), the part off
  // the root window left out.
  std::optional<Rgb8> SampleAround(int x, int y) const {
    const int half = pickSample_ / 2;
    const QRect square =
        QRect(x - half, y - half, pickSample_, pickSample_).intersected(QRect(0, 0, rootWidth_, rootHeight_));
    std::unique_ptr<xcb_get_image_reply_t, decltype(&free)> reply(
        GetImage(square.x(), square.y(), square.width(), square.height()), &free);
    if (!reply) return std::nullopt;
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    const int stride = xcb_get_image_data_length(reply.get()) / square.height();
    std::vector<std::uint32_t> pixels;
    for (int row = 0; row < square.height(); ++row)
      for (int col = 0; col < square.width(); ++col)
        pixels.push_back(ColourOf(data + row * stride + col * bytesPerPixel_).Pixel());
    return AverageInLinearLight(pixels);
  }

  bool OnRoot(QPoint n) const {
    return n.x() >= 0 && n.y() >= 0 && n.x() < rootWidth_ && n.y() < rootHeight_;
  }

  // Where a block of logical pixels lies in device pixels, clipped to the root window (outside
  // it the block stays black).
  struct BlockPlace {
    QRect device;
    QPoint topLeft;
    qreal dpr;
  };
  BlockPlace PlaceOf(QRect rect) const {
    const QScreen* screen = QGuiApplication::screenAt(rect.center());
    const qreal dpr = screen ? screen->devicePixelRatio() : 1.0;
    QPoint topLeft = Native(rect.topLeft(), screen);
    // A block round the pointer is placed so that its pixel is the pointer's own device pixel.
    if (pointer_ && rect.contains(pointer_->logical)) {
      const QPoint inside = pointer_->logical - rect.topLeft();
      topLeft =
          pointer_->device - QPoint(static_cast<int>(inside.x() * dpr), static_cast<int>(inside.y() * dpr));
    }
    const int w = static_cast<int>(rect.width() * dpr), h = static_cast<int>(rect.height() * dpr);
    return {QRect(topLeft, QSize(w, h)).intersected(QRect(0, 0, rootWidth_, rootHeight_)), topLeft, dpr};
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
  // The colour of a one-pixel image, or nothing when the server could not give it.
  std::optional<Rgb8> TakeColour(xcb_get_image_cookie_t cookie) const {
    xcb_get_image_reply_t* reply = Reply(cookie);
    if (!reply) return std::nullopt;
    const Rgb8 colour = ColourOf(xcb_get_image_data(reply));
    free(reply);
    return colour;
  }

  Rgb8 ColourOf(const std::uint8_t* bytes) const {
    std::uint32_t pixel = 0;
    for (int i = 0; i < bytesPerPixel_; ++i) {
      const int b = littleEndian_ ? i : bytesPerPixel_ - 1 - i;
      pixel |= static_cast<std::uint32_t>(bytes[b]) << (8 * i);
    }
    return {static_cast<std::uint8_t>(red_.Of(pixel)), static_cast<std::uint8_t>(green_.Of(pixel)),
            static_cast<std::uint8_t>(blue_.Of(pixel))};
  }

  xcb_connection_t* connection_;
  // The device pixel read last, and its colour as fetched with the pointer's position.
  mutable std::optional<QPoint> lastPixel_;
  struct Prefetched {
    std::optional<Rgb8> colour;  // nothing: the server could not give it
  };
  mutable std::optional<Prefetched> prefetched_;
  std::optional<QRect> lastBlock_;
  mutable std::optional<QRect> prefetchedPlace_;  // where the prefetched block was read
  struct Pointer {
    QPoint logical, device;
  };
  mutable std::optional<Pointer> pointer_;  // the last pointer position asked for
  mutable std::unique_ptr<xcb_get_image_reply_t, decltype(&free)> prefetchedBlock_{nullptr, &free};
  xcb_window_t root_ = 0;
  int rootWidth_ = 0, rootHeight_ = 0;
  int bytesPerPixel_ = 0;
  int pickSample_ = 1;  // the pick's square, in device pixels
  bool littleEndian_ = true;
  bool trueColour_ = false;
  Channel red_, green_, blue_;
  // While a colour is being picked.
  X11PickGrab grab_{connection_, root_};
  ScreenAnswerHandler pickDone_;
  std::unique_ptr<QSocketNotifier> events_;
  X11DisplayProfiles profiles_{connection_, root_};
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
