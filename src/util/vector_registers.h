// Qt's image and drawing calls (filling an image, writing a PNG, some of its
// start-up) leave the upper halves of the vector registers in use. On recent
// Intel processors every legacy-encoded SSE instruction after that waits on
// them, so plain x86-64 code (libm's sincos and our own arithmetic alike)
// runs several times slower until something clears them.
#pragma once

namespace halvane {

// Clears the upper halves of the vector registers where the processor has
// them (VZEROUPPER); does nothing elsewhere. Cheap enough to call after
// every call into Qt's drawing and before every long arithmetic loop.
void settleVectorRegisters();

}  // namespace halvane
