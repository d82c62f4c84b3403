// Services for window tests: message boxes answered from a script, a clipboard in memory, a
// shell that only records what it was asked to open.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "app/services.h"

namespace tintora::testing {

struct ShownMessage {
  QString text;
  MessageIcon icon;
  MessageButtons buttons;
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
  std::vector<QString> opened;
  int keepOnTopCalls = 0;
  // Answers for the next file dialogs (nullopt: cancelled) and what they were asked.
  std::deque<std::optional<FileDialogAnswer>> fileAnswers;
  std::vector<FileDialogRequest> fileRequests;

  MessageAnswer ShowMessage(QWidget*, const QString& text, MessageIcon icon, MessageButtons buttons) override {
    messages.push_back({text, icon, buttons});
    if (whileShowing) whileShowing(messages.back());
    if (!answers.empty()) {
      const MessageAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  void SetClipboardText(const QString& text) override {
    clipboardText = text;
    ++clipboardTextWrites;
  }
  void SetClipboardImage(const QImage& image) override { clipboardImage = image; }
  std::optional<QImage> ClipboardImage() override { return clipboardImage; }
  bool OpenWithShell(const QString& target) override {
    opened.push_back(target);
    return true;
  }
  void KeepOnTop(QWidget*) override { ++keepOnTopCalls; }
  std::optional<FileDialogAnswer> OpenFileDialog(QWidget*, const FileDialogRequest& request) override {
    return NextFileAnswer(request);
  }
  std::optional<FileDialogAnswer> SaveFileDialog(QWidget*, const FileDialogRequest& request) override {
    return NextFileAnswer(request);
  }

 private:
  std::optional<FileDialogAnswer> NextFileAnswer(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
  }
};

}  // namespace tintora::testing
