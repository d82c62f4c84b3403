// Services for window tests: message boxes answered from a script, a clipboard in memory, a
// shell that only records what it was asked to open.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <QMimeData>

#include "capture/platform/desktop.h"
#include "core/colour/notations.h"
#include "widgets/services.h"

namespace tintora::testing {

// A desktop made of one picture, with a cursor the test moves.
class FakeScreen : public ScreenAccess {
 public:
  QImage desktop = QImage(800, 600, QImage::Format_RGB32);
  QPoint cursor{0, 0};
  bool readable = true;
  int pixelReads = 0;

  QString BackendName() const override { return "a test picture"; }
  bool CanReadScreen() const override { return readable; }
  QPoint CursorPos() const override { return cursor; }
  void MovePointer(QPoint by) override { cursor += by; }
  std::optional<Rgb8> PixelAt(QPoint p) override {
    ++pixelReads;
    if (!readable || !desktop.valid(p)) return std::nullopt;
    return Rgb8::Of(ColourOfPixel(desktop.pixel(p)));
  }
  QImage GrabRect(QRect rect) override {
    if (!readable) return {};
    QImage block(rect.size(), QImage::Format_RGB32);
    block.fill(Qt::black);
    for (int y = 0; y < rect.height(); ++y)
      for (int x = 0; x < rect.width(); ++x)
        if (desktop.valid(rect.x() + x, rect.y() + y))
          block.setPixel(x, y, desktop.pixel(rect.x() + x, rect.y() + y));
    return block;
  }
  QImage GrabPrimaryScreen() override { return readable ? desktop : QImage(); }
};

// A hot key that records what is held; the test presses it.
class FakeHotKey : public GlobalHotKey {
 public:
  bool supported = true;
  bool takenElsewhere = false;  // another program holds every combination
  bool held = false;
  unsigned modifiers = 0, virtualKey = 0;
  int registrations = 0;  // registrations that changed what is held

  bool CanGrabHotKey() const override { return supported; }
  bool Register(unsigned m, unsigned vk) override {
    if (!supported || takenElsewhere) return false;
    if (held && m == modifiers && vk == virtualKey) return true;
    ++registrations;
    modifiers = m;
    virtualKey = vk;
    held = vk != 0;
    return held;
  }
  void Unregister() override { held = false; }
  // The desktop answers, some time after start, that it offers global keys.
  void BecomeAvailable() {
    supported = true;
    AvailabilityChanged();
  }
  // The user presses this combination.
  void Press(unsigned m, unsigned vk) {
    if (held && m == modifiers && vk == virtualKey) Pressed();
  }
};

struct ShownMessage {
  QString text;
  MessageIcon icon;
  MessageButtons buttons;
  QWidget* owner = nullptr;
  bool onTopSuspended = false;  // the main window was kept from covering the box
};

class FakeServices : public Services {
 public:
  // Answers for the next message boxes, in order; when none is left a box answers its default
  // (Ok, or Yes for a question) and the test can see it in `messages`.
  std::deque<MessageAnswer> answers;
  std::vector<ShownMessage> messages;
  std::vector<BeepKind> beeps;
  // Runs while a message box is "up", so tests can look at the window's state at that moment.
  std::function<void(const ShownMessage&)> whileShowing;
  QString clipboardText;
  int clipboardTextWrites = 0;
  std::optional<QImage> clipboardImage;
  std::unique_ptr<QMimeData> clipboardMime;
  std::vector<QString> opened;
  int keepOnTopCalls = 0;
  // Answers for the next file dialogs (nullopt: cancelled) and what they were asked.
  std::deque<std::optional<FileDialogAnswer>> fileAnswers;
  std::vector<FileDialogRequest> fileRequests;
  // The colour dialog: what the user picks (nullopt: cancel) and how the custom slots look
  // when it closes (nullopt: as they came in).
  std::optional<Rgb8> colourDialogAnswer;
  std::optional<CustomColourSlots> colourDialogSlots;
  std::vector<CustomColourSlots> colourDialogOpenedWith;
  std::vector<Rgb8> colourDialogOpenedOn;  // the colour each opening started on
  FakeScreen screen;
  FakeHotKey hotKey;
  // The hints shown, beside which control.
  std::vector<std::pair<QWidget*, QString>> hints;

  MessageAnswer MessageBox(QWidget* owner, const QString& text, MessageIcon icon,
                           MessageButtons buttons) override {
    messages.push_back({text, icon, buttons, owner, OnTopSuspendedNow()});
    if (whileShowing) whileShowing(messages.back());
    if (!answers.empty()) {
      const MessageAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  void ShowHint(QWidget* near, const QString& text) override { hints.push_back({near, text}); }
  void SetClipboardText(const QString& text) override {
    clipboardText = text;
    ++clipboardTextWrites;
  }
  void SetClipboardImage(const QImage& image) override { clipboardImage = image; }
  void SetClipboardMimeData(std::unique_ptr<QMimeData> data) override { clipboardMime = std::move(data); }
  std::optional<QImage> ClipboardImage() override { return clipboardImage; }
  QString ClipboardText() override { return clipboardText; }
  bool shellOpens = true;  // false: the desktop has nothing that opens it
  bool OpenWithShell(const QString& target) override {
    opened.push_back(target);
    return shellOpens;
  }
  void KeepOnTop(QWidget*) override { ++keepOnTopCalls; }
  std::optional<FileDialogAnswer> OpenDialog(QWidget*, const FileDialogRequest& request) override {
    return NextFileAnswer(request);
  }
  std::optional<FileDialogAnswer> SaveDialog(QWidget*, const FileDialogRequest& request) override {
    return NextFileAnswer(request);
  }
  std::optional<Rgb8> ColourDialogBox(QWidget*, Rgb8 initial, CustomColourSlots& customSlots) override {
    colourDialogOpenedOn.push_back(initial);
    colourDialogOpenedWith.push_back(customSlots);
    if (colourDialogSlots) customSlots = *colourDialogSlots;
    return colourDialogAnswer;
  }
  // A real backend in place of the fakes, for tests against a real desktop service.
  ScreenAccess* realScreen = nullptr;
  GlobalHotKey* realHotKey = nullptr;
  ScreenAccess& Screen() override { return realScreen ? *realScreen : screen; }
  GlobalHotKey& HotKey() override { return realHotKey ? *realHotKey : hotKey; }

 private:
  std::optional<FileDialogAnswer> NextFileAnswer(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    const bool cancelled = !fileAnswers.front();
    FileDialogAnswer a = cancelled ? FileDialogAnswer{} : std::move(*fileAnswers.front());
    fileAnswers.pop_front();
    if (cancelled) return std::nullopt;
    return a;
  }
};

}  // namespace tintora::testing
