// The selection state of the preview: the blocks laid over the picture and the tracker
// frame around the selected one, and the operations that switch them on, off, out of sight
// and back.
#include "output/ui/selection_block.h"
#include "output/ui/selection_tracker.h"
#include "render/ui/face_preview.h"

namespace pelmoro {

namespace {

constexpr int kTrackerStyle = CSelectionTracker::kStyleDottedLine | CSelectionTracker::kStyleResizeInside;
constexpr Rect kDefaultSavedSelection{50, 50, 100, 100};

}  // namespace

void CFacePreview::Draw(Surface& surface) const {
  for (const auto& block : m_shapes) block->Draw(surface);
  if (m_pTracker) m_pTracker->Draw(surface);
}

void CFacePreview::EnableSelection() {
  m_shapes.clear();
  m_shapes.push_front(std::make_unique<CRectBlock>());
  m_pTracker = std::make_unique<CSelectionTracker>(m_shapes.front()->m_rcBlock, kTrackerStyle);
  m_pTracker->m_rcBounds = Rect{1, 1, kWidth - 1, kHeight - 1};
  m_bNoSelection = false;
  update();
}

void CFacePreview::DisableSelection() {
  ClearSelection();
  m_bNoSelection = true;
  update();
}

void CFacePreview::ClearSelection() {
  m_shapes.clear();
  m_pTracker.reset();
}

void CFacePreview::HideSelection() {
  if (!m_pTracker) return;
  m_bNoSelection = true;
  update();
}

void CFacePreview::ShowSelection() {
  if (!m_pTracker || !m_bNoSelection) return;
  m_bNoSelection = false;
  update();
}

void CFacePreview::RememberSelection() {
  m_rcSavedSelection = m_pTracker ? m_pTracker->m_rect : kDefaultSavedSelection;
}

void CFacePreview::RestoreSelection() {
  if (m_pTracker) m_pTracker->m_rect = m_rcSavedSelection;
  update();
}

}  // namespace pelmoro
