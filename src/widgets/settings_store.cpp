#include "widgets/settings_store.h"

#include <QDir>
#include <QFileInfo>

#include "core/io/file_io.h"
#include "widgets/services.h"
#include "widgets/stay_on_top.h"

namespace tintora {

SettingsStore::SettingsStore(QString path, QWidget* window, StayOnTop& onTop, Services& services)
    : path_(std::move(path)), window_(window), onTop_(onTop), services_(services) {}

IniFile SettingsStore::File() const { return IniFile(PathFromUtf8(path_.toStdString())); }

void SettingsStore::WriteBool(const char* section, const char* key, bool value) {
  Write([&](IniFile& ini) { return ini.WriteBool(section, key, value); });
}

void SettingsStore::WriteString(const char* section, const char* key, const QString& value) {
  Write([&](IniFile& ini) { return ini.WriteString(section, key, value.toStdString()); });
}

void SettingsStore::Write(const std::function<bool(IniFile&)>& writes) {
  // The configuration folder is made when the first setting is kept, not at start.
  QDir().mkpath(QFileInfo(path_).absolutePath());
  IniFile ini = File();
  if (!ini.Transaction(writes)) Failed(ini.LastError());
}

void SettingsStore::Failed(const std::string& reason) {
  if (toldOfFailure_) return;
  toldOfFailure_ = true;
  services_.ShowMessage(window_,
                        QString("Settings:\r\n\r\nThe settings cannot be kept in\r\n\"%1\"\r\n(%2).\r\n\r\n"
                                "Changes to them last until Tintora closes.")
                            .arg(path_, QString::fromStdString(reason)),
                        MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace tintora
