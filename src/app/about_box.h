// AboutWindow: the program's name, version, notices and the maker's web page.
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tintora {

class AboutWindow : public QWidget {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  void VersionStatus();
  void SetWebPageAddress(const QString& address);
  // Says where the settings are kept.
  void SetSettingsFile(const QString& path);
  // The way the screen is read on this desktop (X11, the desktop portal, ...).
  void SetScreenBackend(const QString& name);
  // While open it keeps the keyboard focus; false when it is closed.
  bool KeepFocus();

 signals:
  void HelpRequested();
  void WebPageRequested(const QString& address);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowFacts();

  QLabel* ProductName = nullptr;
  QLabel* VersionLabel = nullptr;
  QPlainTextEdit* AboutText = nullptr;
  QLabel* WebPageLabel = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* HelpButton = nullptr;

  QString settingsFile_;
  QString screenBackend_;
};

}  // namespace tintora
