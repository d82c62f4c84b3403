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
// The user's manual for a program in `appPath` (with its trailing separator): the help file
// beside the program, the manual in its help folder (the build tree, a portable copy), or the
// one installed under share/tintora. When none is there, the first of them: opening it is then
// the desktop's business to report.
QString FindHelpFile(const QString& appPath);

}  // namespace tintora
