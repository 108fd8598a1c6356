# HALVANE_AVX=ON builds every file with VEX-encoded (AVX) instructions; the
# programs then run only on processors with AVX. The default builds for any
# x86-64 processor: the vector registers that Qt's calls leave in use are
# cleared at run time instead (util/vector_registers.h), so the plain build is
# as fast.
option(HALVANE_AVX "Build with AVX instructions (needs a processor with AVX to run)" OFF)

if(HALVANE_AVX)
  add_compile_options(-mavx)
endif()
