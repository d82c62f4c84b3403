// Crosses the order inside core: the file layer reaching up into the list.
#pragma once
#include "core/list/entries.h"
