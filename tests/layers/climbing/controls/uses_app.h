#pragma once
// A control that reaches up into the main dialog and the preview window: the layer check
// must report both, and accept the core and ui_support/.
#include "app/face_dlg.h"
#include "model/color.h"
#include "render/ui/face_preview.h"
#include "ui_support/qt_bridge.h"
