#include "store/huge_array.h"

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace tb {

void adviseHugePages([[maybe_unused]] void* p, [[maybe_unused]] size_t bytes) {
#ifdef MADV_HUGEPAGE
    // Only advice: without huge pages the table works the same, a little slower.
    madvise(p, bytes, MADV_HUGEPAGE);
#endif
}

}  // namespace tb
