// The settings file as the rooms read and write it: one key at a time, on disk at once and
// atomically, nothing else in the file disturbed. A file that cannot be written stops nothing:
// the setting lasts for the session and the failure is said once, plainly.
#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "core/settings/ini_file.h"

class QWidget;

namespace tintora {

class Services;
class StayOnTop;

class SettingsStore : public QObject {
  Q_OBJECT
 public:
  SettingsStore(QString path, QWidget* window, StayOnTop& onTop, Services& services);

  const QString& Path() const { return path_; }
  void SetPath(const QString& path) { path_ = path; }
  IniFile File() const;

  void WriteBool(const char* section, const char* key, bool value);
  void WriteString(const char* section, const char* key, const QString& value);
  // Several keys at once (the settings writer), as one change of the file.
  void Write(const std::function<bool(IniFile&)>& writes);

 private:
  void Failed(const std::string& reason);

  QString path_;
  QWidget* window_;
  StayOnTop& onTop_;
  Services& services_;
  bool toldOfFailure_ = false;
};

}  // namespace tintora
