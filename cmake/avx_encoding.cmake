# HALVANE_AVX: AUTO (the default) turns -mavx on when the compiler takes it
# and this machine's processor and system run AVX code; ON and OFF force it.
set(HALVANE_AVX AUTO CACHE STRING "Use VEX-encoded (AVX) instructions: AUTO, ON or OFF")
set_property(CACHE HALVANE_AVX PROPERTY STRINGS AUTO ON OFF)

if(HALVANE_AVX STREQUAL "AUTO")
  include(CheckCXXSourceRuns)
  set(CMAKE_REQUIRED_FLAGS -mavx)
  check_cxx_source_runs("int main() { return __builtin_cpu_supports(\"avx\") ? 0 : 1; }" HALVANE_MACHINE_RUNS_AVX)
  unset(CMAKE_REQUIRED_FLAGS)
  set(HALVANE_USE_AVX ${HALVANE_MACHINE_RUNS_AVX})
else()
  set(HALVANE_USE_AVX ${HALVANE_AVX})
endif()

if(HALVANE_USE_AVX)
  add_compile_options(-mavx)
endif()
