#include <QWidget>
#include "harmony/wheel_pane.h"
#include "mixer/pane.h"
