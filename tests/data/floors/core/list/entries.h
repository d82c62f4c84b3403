// Keeps the order inside core: the list reaching down to the file layer and the colours.
#pragma once
#include "core/colour/plain.h"
#include "core/io/files.h"
