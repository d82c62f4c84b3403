// The services on Qt and the real desktop: the program's own.
#pragma once

#include "capture/platform/desktop.h"
#include "widgets/services.h"

namespace tintora {

class QtServices : public Services {
 public:
  void ShowHint(QWidget* near, const QString& text) override;
  MessageAnswer MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                           MessageButtons buttons) override;
  void Beep(BeepKind kind) override;
  void SetClipboardText(const QString& text) override;
  QString ClipboardText() override;
  void SetClipboardImage(const QImage& image) override;
  void SetClipboardMimeData(std::unique_ptr<QMimeData> data) override;
  std::optional<QImage> ClipboardImage() override;
  bool OpenWithShell(const QString& target) override;
  void KeepOnTop(QWidget* window) override;
  std::optional<FileDialogAnswer> OpenDialog(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<FileDialogAnswer> SaveDialog(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<Rgb8> ColourDialogBox(QWidget* parent, Rgb8 initialColour,
                                      CustomColourSlots& customSlots) override;
  ScreenAccess& Screen() override { return desktop_.Screen(); }
  GlobalHotKey& HotKey() override { return desktop_.HotKey(); }

 private:
  Desktop desktop_;
};

}  // namespace tintora
