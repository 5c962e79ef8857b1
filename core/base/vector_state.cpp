#include "core/base/vector_state.h"

namespace rdz {

void ClearUpperVectorState() {
#if defined(__x86_64__) || defined(__i386__)
  static const bool avx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
  }();
  // vzeroupper keeps the lower 128 bits, where scalar and SSE code keep their values.
  if (avx) __asm__ volatile("vzeroupper" ::: "memory");
#endif
}

}  // namespace rdz
