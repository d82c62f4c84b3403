#include <QWidget>
#include "core/colour/plain.h"
