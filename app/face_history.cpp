#include "app/face_history.h"

#include <utility>

namespace pelmoro {

FaceStepCommand::FaceStepCommand(const QString& text, FaceState before, FaceState after, Apply apply, int mergeKey,
                                 bool continues)
    : QUndoCommand(text),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_apply(std::move(apply)),
      m_mergeKey(mergeKey),
      m_continues(continues) {}

void FaceStepCommand::undo() {
  m_apply(m_before);
  m_done = false;
}

void FaceStepCommand::redo() {
  // Pushing the step runs redo once; the window already shows its outcome then.
  if (m_done) return;
  m_apply(m_after);
  m_done = true;
}

bool FaceStepCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const FaceStepCommand*>(other);
  if (!next->m_continues) return false;
  m_after = next->m_after;
  // A drag that ends where it began leaves no step behind.
  if (m_after == m_before) setObsolete(true);
  return true;
}

}  // namespace pelmoro
