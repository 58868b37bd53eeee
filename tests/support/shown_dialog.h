#pragma once
#include <cstdint>

#include "tests/support/fake_prompts.h"

namespace pelmoro {

class CFaceDlg;
class CFacePreview;
class CRandom;

// The main dialog on screen with fake prompts, its random generator started at `seed`.
struct ShownDialog {
  explicit ShownDialog(std::uint32_t seed = 1234);
  ~ShownDialog();
  ShownDialog(const ShownDialog&) = delete;
  ShownDialog& operator=(const ShownDialog&) = delete;

  FakePrompts prompts;
  CFaceDlg* dialog;
};

// Gives a preview of its own a random face from `random` on the start-up fill, as the main
// dialog does when it starts.
void ShowRandomFace(CFacePreview& preview, CRandom& random);

}  // namespace pelmoro
