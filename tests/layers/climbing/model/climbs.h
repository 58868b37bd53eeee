#pragma once
// A model header that reaches up into render/: the layer check must report it.
#include <cstdint>

#include "model/color.h"
#include "render/surface.h"
