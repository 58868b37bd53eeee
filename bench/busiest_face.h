#pragma once
#include "render/face_picture.h"

namespace pelmoro::bench {

// The face with the most figures: every slider 5, hair type 2 (dome and fringe), black-rimmed
// glasses, mustache and beard, over the start-up gradient.
FacePicture BusiestFace();

}  // namespace pelmoro::bench
