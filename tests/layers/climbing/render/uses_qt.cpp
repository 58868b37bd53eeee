// A render file that uses Qt and the desktop program: the layer check must report both.
#include <QImage>
#include <vector>

#include "app/face_dlg.h"
#include "output/image.h"
#include "render/ui/face_preview.h"
