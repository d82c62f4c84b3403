#include "settings/settings_file.h"
#include "version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tintora {

QString DefaultSettingsFilePath() {
  // A settings file already beside the program makes a portable copy: its settings stay with
  // it. Otherwise the user's configuration folder, so an installed program never writes into
  // the folder it was installed in.
  const QFileInfo program(QCoreApplication::applicationFilePath());
  const QString beside = program.absolutePath() + "/" + program.completeBaseName() + ".ini";
  if (QFileInfo(beside).isFile()) return beside;
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tintora/tintora.ini";
}

QString GetAppPath() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/"); }

QString FindHelpFile(const QString& appPath) {
  const QString candidates[] = {appPath + kHelpFileName, appPath + "help/index.html",
                                appPath + "../share/tintora/help/index.html"};
  for (const QString& file : candidates)
    if (QFileInfo(file).isFile()) return QDir::cleanPath(file);
  return candidates[0];
}

QString GetMyDocDir() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

}  // namespace tintora
