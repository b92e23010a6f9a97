# Project-wide compiler settings applied to our own targets through
# vexilor_set_warnings(target).
add_library(vexilor_options INTERFACE)
target_compile_options(vexilor_options INTERFACE -Wall -Wextra)
if(VEXILOR_WERROR)
  target_compile_options(vexilor_options INTERFACE -Werror)
endif()
if(VEXILOR_SANITIZE)
  target_compile_options(vexilor_options INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(vexilor_options INTERFACE -fsanitize=address,undefined)
endif()
if(VEXILOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VEXILOR_FUZZ needs clang (libFuzzer): configure with the fuzz preset")
  endif()
  # Every library is instrumented for coverage; the fuzz programs alone link
  # libFuzzer's main (fuzz/CMakeLists.txt).
  target_compile_options(vexilor_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(vexilor_options INTERFACE -fsanitize=address,undefined)
endif()
