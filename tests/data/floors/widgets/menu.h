#include <QWidget>
#include "mixer/pane.h"
