#include <QObject>
#include "colour/plain.h"
#include "harmony/maths.h"
#include "harmony/wheel_pane.h"
#include "widgets/control.h"
