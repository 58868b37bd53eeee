#pragma once
#include <QString>
#include <QUndoCommand>
#include <functional>

#include "model/face.h"
#include "model/fill_settings.h"

namespace pelmoro {

// What one step of the history brings back: the face record, the background fill, and
// whether the picture shows the loading error (with its reason) instead of the face.
struct FaceState {
  CFace face;
  FillSettings fill;
  bool loadError = false;
  QString loadReason;

  friend bool operator==(const FaceState& a, const FaceState& b) {
    return a.face == b.face && a.fill == b.fill && a.loadError == b.loadError && a.loadReason == b.loadReason;
  }
};

// One step the user took on the face, between the state before it and the state after it.
// The step was carried out when it is pushed, so the first redo changes nothing. Steps with
// the same merge key (one per slider; -1 for steps that never merge) merge into one while
// the later one continues the earlier: the frames of one drag, the keys of one burst.
class FaceStepCommand : public QUndoCommand {
 public:
  using Apply = std::function<void(const FaceState&)>;

  FaceStepCommand(const QString& text, FaceState before, FaceState after, Apply apply, int mergeKey = -1,
                  bool continues = false);

  void undo() override;
  void redo() override;
  int id() const override { return m_mergeKey; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  FaceState m_before;
  FaceState m_after;
  Apply m_apply;
  int m_mergeKey;
  bool m_continues;
  bool m_done = true;
};

}  // namespace pelmoro
