// Where the program's files live: the settings file (beside the program, named after it with
// ".ini", when such a file is there: a portable copy; otherwise tintora/tintora.ini in the
// user's configuration folder), the program's own folder and the documents folder.
#pragma once

#include <QString>

namespace tintora {

QString DefaultSettingsFilePath();
// The program's folder, with a trailing separator.
QString GetAppPath();
QString GetMyDocDir();

}  // namespace tintora
