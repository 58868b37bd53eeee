#include "model/memory_reuse.h"

#include <malloc.h>

namespace pelmoro {

void KeepMemoryForReuse() {
  mallopt(M_ARENA_MAX, 2);
  mallopt(M_MMAP_THRESHOLD, 4 << 20);
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

}  // namespace pelmoro
