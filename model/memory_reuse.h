#pragma once

namespace pelmoro {

// Tunes the allocator for a program that draws many faces one after another, on several
// threads: every face needs a few hundred kilobytes for a moment (the picture, the
// compressor's state), above the allocator's default threshold for mapping memory anew.
// Kept in two arenas and not handed back to the system after each face, that memory is
// reused instead of being mapped, faulted in and unmapped again for every face.
void KeepMemoryForReuse();

}  // namespace pelmoro
