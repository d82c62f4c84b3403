// Services that do nothing, for benchmarks: no boxes, no clipboard traffic.
#pragma once

#include "capture/platform/desktop.h"
#include "widgets/services.h"

namespace tintora {

class NullServices : public Services {
 public:
  MessageAnswer MessageBox(QWidget*, const QString&, MessageIcon, MessageButtons) override {
    return MessageAnswer::Ok;
  }
  void Beep(BeepKind) override {}
  void ShowHint(QWidget*, const QString&) override {}
  void SetClipboardText(const QString&) override {}
  QString ClipboardText() override { return {}; }
  void SetClipboardImage(const QImage&) override {}
  void SetClipboardMimeData(std::unique_ptr<QMimeData>) override {}
  std::optional<QImage> ClipboardImage() override { return std::nullopt; }
  bool OpenWithShell(const QString&) override { return false; }
  void KeepOnTop(QWidget*) override {}
  std::optional<FileDialogAnswer> OpenDialog(QWidget*, const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<FileDialogAnswer> SaveDialog(QWidget*, const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<Rgb8> ColourDialogBox(QWidget*, Rgb8, CustomColourSlots&) override { return std::nullopt; }
  ScreenAccess& Screen() override { return desktop_.Screen(); }
  GlobalHotKey& HotKey() override { return desktop_.HotKey(); }

 private:
  Desktop desktop_;
};

}  // namespace tintora
