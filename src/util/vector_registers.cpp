#include "util/vector_registers.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace halvane {

#if defined(__x86_64__) || defined(__i386__)

namespace {

// Built for AVX whatever the rest of the program is built for; called only
// where the processor runs AVX.
__attribute__((target("avx"))) void zeroUpperHalves() { _mm256_zeroupper(); }

bool processorHasAvx()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}

}  // namespace

void settleVectorRegisters()
{
    static const bool hasAvx = processorHasAvx();
    if (hasAvx) zeroUpperHalves();
}

#else

void settleVectorRegisters() {}

#endif

}  // namespace halvane
