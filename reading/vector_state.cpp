#include "reading/vector_state.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace reading {

#if defined(__x86_64__) && defined(__GNUC__)

namespace {

// Compiled for AVX alone, and called only where the processor has it.
__attribute__((target("avx"))) void ZeroUpper() {
  _mm256_zeroupper();
}

}  // namespace

void ClearUpperVectorHalves() {
  static const bool hasAvx = __builtin_cpu_supports("avx");
  if (hasAvx) ZeroUpper();
}

#else

void ClearUpperVectorHalves() {}

#endif

}  // namespace reading
