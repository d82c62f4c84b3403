#include <QCoreApplication>
#include "core/colour/plain.h"
#include "widgets/control.h"
