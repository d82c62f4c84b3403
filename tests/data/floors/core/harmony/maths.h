#include "core/colour/plain.h"
#include "harmony/wheel_pane.h"
