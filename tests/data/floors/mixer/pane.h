#include <QObject>
#include "core/harmony/maths.h"
#include "harmony/wheel_pane.h"
#include "widgets/control.h"
