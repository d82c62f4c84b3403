// Where the settings file lives: beside the program, named after it with ".ini", when that
// folder can be written (a portable copy keeps its settings with it); otherwise in the user's
// configuration folder.
#pragma once

#include <QString>

namespace tintora {

QString DefaultSettingsFilePath();

}  // namespace tintora
