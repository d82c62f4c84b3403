#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tintora {

QString DefaultSettingsFilePath() {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  const QString beside = program.absolutePath() + "/" + program.completeBaseName() + ".ini";
  const QFileInfo folder(program.absolutePath());
  if (folder.isDir() && folder.isWritable() && (!QFileInfo::exists(beside) || QFileInfo(beside).isWritable()))
    return beside;
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tintora";
  QDir().mkpath(config);
  return config + "/tintora.ini";
}

QString GetAppPath() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/"); }

QString GetMyDocDir() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

}  // namespace tintora
