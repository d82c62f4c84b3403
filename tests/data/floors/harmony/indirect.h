#include "harmony/wheel_pane.h"
