#include "harmony/indirect.h"
