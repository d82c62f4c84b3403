#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QToolTip>
#include <QUrl>
#include <QWidget>

#include "app/qt_services.h"
#include "widgets/colour_panel.h"

namespace tintora {

MessageAnswer QtServices::MessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                                     MessageButtons buttons) {
  // A box always has an owner, so the window manager keeps it above that window.
  QMessageBox box(parent ? parent : QApplication::activeWindow());
  box.setWindowTitle(QApplication::applicationName());
  // The texts carry Windows line breaks; the box wants plain ones.
  QString shown = text;
  shown.replace("\r\n", "\n");
  box.setText(shown);
  switch (icon) {
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageIcon::None:
      break;
  }
  switch (buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case MessageButtons::SaveDiscardCancel:
      box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
      break;
  }
  if (parent && (parent->windowFlags() & Qt::WindowStaysOnTopHint))
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  switch (box.exec()) {
    case QMessageBox::Yes:
    case QMessageBox::Save:
      return MessageAnswer::Yes;
    case QMessageBox::No:
    case QMessageBox::Discard:
      return MessageAnswer::No;
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      return buttons == MessageButtons::YesNoCancel || buttons == MessageButtons::SaveDiscardCancel
                 ? MessageAnswer::Cancel
             : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                : MessageAnswer::Ok;
  }
}

void QtServices::Beep(BeepKind) { QApplication::beep(); }

void QtServices::ShowHint(QWidget* near, const QString& text) {
  // Below the control, as its own hint would come, and for long enough to be read.
  QToolTip::showText(near->mapToGlobal(QPoint(0, near->height())), text, near, {}, 6000);
}

void QtServices::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString QtServices::ClipboardText() { return QGuiApplication::clipboard()->text(); }

void QtServices::SetClipboardImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

void QtServices::SetClipboardMimeData(std::unique_ptr<QMimeData> data) {
  QGuiApplication::clipboard()->setMimeData(data.release());
}

std::optional<QImage> QtServices::ClipboardImage() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasImage()) return std::nullopt;
  QImage image = qvariant_cast<QImage>(data->imageData());
  if (image.isNull()) return std::nullopt;
  return image;
}

bool QtServices::OpenWithShell(const QString& target) {
  const QUrl url =
      target.contains("://") ? QUrl(target) : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
  return QDesktopServices::openUrl(url);
}

void QtServices::KeepOnTop(QWidget* window) {
  if (window && window->isVisible()) window->raise();
}

namespace {

// The folder itself, or the nearest one above it that exists: a folder that is not there would
// otherwise be offered as a file name.
QString ExistingFolder(QString folder) {
  while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
    const QString up = QFileInfo(folder).absolutePath();
    if (up == folder) return {};
    folder = up;
  }
  return folder;
}

std::optional<FileDialogAnswer> RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent, request.title, ExistingFolder(request.folder));
  // Qt's own dialog, so that picking another file type can rewrite the name as ours always did.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // Open takes any name too: the caller decides what a typed name without an extension means
  // (Qt would add the default extension even to a name that exists as typed).
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(request.filters);
  const int index =
      std::clamp(request.filterIndex, 1, static_cast<int>(std::max<qsizetype>(1, request.filters.size())));
  if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters[index - 1]);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (request.typeChange) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &request](const QString& filter) {
                       const int k = static_cast<int>(request.filters.indexOf(filter)) + 1;
                       const QStringList chosen = dialog.selectedFiles();
                       const QString path = chosen.isEmpty() ? QString() : chosen.first();
                       if (k >= 1) dialog.selectFile(request.typeChange(path, k));
                     });
  }
  QLineEdit* nameEdit = dialog.findChild<QLineEdit*>("fileNameEdit");
  if (request.typeOfName && nameEdit) {
    QObject::connect(nameEdit, &QLineEdit::textEdited, &dialog, [&dialog, &request](const QString& name) {
      const int now = static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())) + 1;
      const int k = request.typeOfName(name, now);
      if (k >= 1 && k <= request.filters.size() && k != now) dialog.selectNameFilter(request.filters[k - 1]);
    });
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileDialogAnswer{dialog.selectedFiles().first(),
                          static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace

std::optional<FileDialogAnswer> QtServices::OpenDialog(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, false);
}

std::optional<FileDialogAnswer> QtServices::SaveDialog(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, true);
}

std::optional<Rgb8> QtServices::ColourDialogBox(QWidget* parent, Rgb8 initialColour,
                                                CustomColourSlots& customSlots) {
  // Qt's dialog has no "unset" slot; unset customSlots show white, and a slot still white afterwards
  // counts as unset again.
  for (int i = 0; i < 16; ++i)
    QColorDialog::setCustomColor(i, customSlots[static_cast<std::size_t>(i)]
                                        ? ToQColor(*customSlots[static_cast<std::size_t>(i)])
                                        : QColor(Qt::white));
  const QColor chosen =
      QColorDialog::getColor(ToQColor(initialColour), parent, QString(), QColorDialog::DontUseNativeDialog);
  for (int i = 0; i < 16; ++i) {
    const Rgb8 c = FromQColor(QColorDialog::customColor(i));
    auto& slot = customSlots[static_cast<std::size_t>(i)];
    if (slot || c != Rgb8{255, 255, 255}) slot = c;
  }
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

}  // namespace tintora
