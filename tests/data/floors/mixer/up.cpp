#include <QWidget>
#include "app/window.h"
