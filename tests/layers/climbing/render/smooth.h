#pragma once
// A render header that uses the vector surface, the layer above it: the check must report it.
#include "render/raster/line.h"
#include "render/vector/vector_surface.h"
