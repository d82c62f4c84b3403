// "tintora --pick": one colour picked from the screen by the desktop's means and printed as
// #RRGGBB on standard output, for the command-line tool. No window opens.
#pragma once

class QApplication;

namespace tintora {

// 0 with the colour printed; 1 when the user gave up, or when this desktop cannot pick (said on
// standard error).
int RunPickMode(QApplication& app);

}  // namespace tintora
