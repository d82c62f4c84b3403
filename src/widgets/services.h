// Everything the program reaches that a test cannot click: message boxes and beeps, dialogs,
// the clipboard, the shell's "open", keeping a window on top, the screen and the global hot
// key. Tests hand in a fake that answers from a script; the program uses the Qt implementation
// (src/app/qt_services.h).
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QImage>
#include <QString>
#include <QStringList>

#include "core/colour/custom_colours.h"
#include "widgets/stay_on_top.h"

class QWidget;
class QMimeData;

namespace tintora {

// The desktop's seams, declared by the capture room's platform layer.
class ScreenAccess;
class GlobalHotKey;

enum class MessageIcon { None, Information, Warning, Question, Error };
// SaveDiscardCancel answers Yes for Save and No for Discard.
enum class MessageButtons { Ok, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class BeepKind { Default, Information, Exclamation, Question };

// What an open or save dialog shows.
struct FileDialogRequest {
  QString title;
  QString folder;       // where it opens
  QString fileName;     // the name proposed in the file-name box
  QStringList filters;  // "Description (*.EXT)"; filter index 1 is the first
  int filterIndex = 1;
  // The file-name box's new text when the user picks filter `index` while `path` is in it.
  std::function<QString(const QString& path, int index)> typeChange;
  // The filter the type box moves to as a name is typed with filter `index` chosen; 0 to stay.
  std::function<int(const QString& name, int index)> typeOfName;
};

struct FileDialogAnswer {
  QString fileName;  // full path; the first one when several were chosen
  int filterIndex = 1;
};

class Services {
 public:
  virtual ~Services() = default;

  // While a box or a dialog is up, stay-on-top is suspended, so the main window never covers
  // it; the main window hands its StayOnTop in once it has one.
  void SetStayOnTop(StayOnTop* onTop) { onTop_ = onTop; }

  // Shows a modal message box titled with the program's name, owned by `parent`; answers the
  // button pressed (closing the box answers Cancel, or No when there is no Cancel, or Ok).
  MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, MessageButtons buttons) {
    const OnTopSuspension suspended(onTop_);
    return MessageBox(parent, text, icon, buttons);
  }
  // nullopt when the user cancels.
  std::optional<FileDialogAnswer> OpenFileDialog(QWidget* parent, const FileDialogRequest& request) {
    const OnTopSuspension suspended(onTop_);
    return OpenDialog(parent, request);
  }
  std::optional<FileDialogAnswer> SaveFileDialog(QWidget* parent, const FileDialogRequest& request) {
    const OnTopSuspension suspended(onTop_);
    return SaveDialog(parent, request);
  }
  // The system colour dialog, opened fully, starting at `initialColour` with the sixteen custom
  // colour slots, which it updates. The chosen colour, or nullopt when cancelled.
  std::optional<Rgb8> ColourDialog(QWidget* parent, Rgb8 initialColour, CustomColourSlots& customSlots) {
    const OnTopSuspension suspended(onTop_);
    return ColourDialogBox(parent, initialColour, customSlots);
  }

  virtual void Beep(BeepKind kind) = 0;
  // A short word beside a control, gone by itself: what became of text typed or pasted there.
  virtual void ShowHint(QWidget* near, const QString& text) = 0;

  virtual void SetClipboardText(const QString& text) = 0;
  virtual void SetClipboardImage(const QImage& image) = 0;
  // Several forms of one thing at once (rich text with its HTML and plain forms); the
  // clipboard takes the data over.
  virtual void SetClipboardMimeData(std::unique_ptr<QMimeData> data) = 0;
  // nullopt when the clipboard holds no picture.
  virtual std::optional<QImage> ClipboardImage() = 0;
  // The clipboard's text, empty when it holds none.
  virtual QString ClipboardText() = 0;

  // Opens a file or web address with its associated program; false when the system refused.
  virtual bool OpenWithShell(const QString& target) = 0;

  // Puts a stay-on-top window back above the others without moving, sizing or activating it.
  virtual void KeepOnTop(QWidget* window) = 0;

  virtual ScreenAccess& Screen() = 0;
  virtual GlobalHotKey& HotKey() = 0;

 protected:
  // Whether stay-on-top is down this moment (for stand-ins that check it).
  bool OnTopSuspendedNow() const { return onTop_ && onTop_->OnTopSuspended(); }
  // The boxes and dialogs themselves, as each implementation shows them.
  virtual MessageAnswer MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                                   MessageButtons buttons) = 0;
  virtual std::optional<FileDialogAnswer> OpenDialog(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<FileDialogAnswer> SaveDialog(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<Rgb8> ColourDialogBox(QWidget* parent, Rgb8 initialColour,
                                              CustomColourSlots& customSlots) = 0;

 private:
  StayOnTop* onTop_ = nullptr;
};

}  // namespace tintora
