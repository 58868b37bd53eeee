#pragma once
#include "render/geometry.h"
#include "render/surface.h"

namespace pelmoro {

// A shape laid over the picture while the selection is shown; the preview owns its blocks
// and draws them in list order, before the tracker's frame.
class CBlock {
 public:
  virtual ~CBlock() = default;
  virtual void Draw(Surface& surface) const = 0;

  Rect m_rcBlock{50, 50, 100, 100};
};

// The selection rectangle. It paints nothing itself: the tracker draws its frame, and the
// frame's gaps let the picture show through.
class CRectBlock : public CBlock {
 public:
  void Draw(Surface&) const override {}
};

}  // namespace pelmoro
