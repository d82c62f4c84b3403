#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "app/services.h"

namespace tintora {

MessageAnswer QtServices::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons) {
  QMessageBox box(parent);
  box.setWindowTitle(QApplication::applicationName());
  // The texts carry Windows line breaks; the box wants plain ones.
  QString shown = text;
  shown.replace("\r\n", "\n");
  box.setText(shown);
  switch (icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::None: break;
  }
  switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  if (parent && (parent->windowFlags() & Qt::WindowStaysOnTopHint))
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default:
      return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
             : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                    : MessageAnswer::Ok;
  }
}

void QtServices::Beep(BeepKind) { QApplication::beep(); }

void QtServices::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtServices::SetClipboardImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

std::optional<QImage> QtServices::ClipboardImage() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasImage()) return std::nullopt;
  QImage image = qvariant_cast<QImage>(data->imageData());
  if (image.isNull()) return std::nullopt;
  return image;
}

bool QtServices::OpenWithShell(const QString& target) {
  const QUrl url = target.contains("://") ? QUrl(target) : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
  return QDesktopServices::openUrl(url);
}

void QtServices::KeepOnTop(QWidget* window) {
  if (window && window->isVisible()) window->raise();
}

}  // namespace tintora
