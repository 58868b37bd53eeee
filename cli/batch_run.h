#pragma once
// Many faces written by a pool of threads: the faces of consecutive seeds (or the one face
// of a document), each to its own files.
#include <cstdint>
#include <ostream>
#include <string>

#include "cli/face_files.h"
#include "output/face_request.h"

namespace pelmoro {

struct BatchPlan {
  FaceRequest face;  // what every face shares; each gets its own seed when the face is random
  std::uint32_t firstSeed = 0;
  std::uint64_t count = 1;
  FaceFiles patterns;  // names holding {seed}, or plain names for a single face
  unsigned jobs = 1;
  bool progress = false;  // show a progress bar on `errors`, which is a terminal
  bool verbose = false;   // end with a summary line
};

// Writes every face of the plan. A face whose files cannot be written is reported on
// `errors` (one line with the file's name and the reason) and the others are still written.
// Several faces are flushed to disk together at the end. Returns the exit status: 0, or 3
// when anything failed.
int RunBatch(const BatchPlan& plan, std::ostream& errors);

}  // namespace pelmoro
