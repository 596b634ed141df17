# Warnings, reproducible floating point and optional sanitizers, as an interface
# target that every Velmora target links (the engine passes it on to all that
# build on it). The digits the program shows must not depend on the compiler's
# choices: no contraction into fused multiply-adds, no fast-math, no
# host-specific tuning.
add_library(velmora_build_settings INTERFACE)
add_library(velmora::build_settings ALIAS velmora_build_settings)
target_compile_options(velmora_build_settings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                        -Wno-sign-conversion -ffp-contract=off -fno-fast-math)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation
# (GCC bug 105651); the warning is off for that compiler only.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(velmora_build_settings INTERFACE -Wno-restrict)
endif()
if(VELMORA_WERROR)
  target_compile_options(velmora_build_settings INTERFACE -Werror)
endif()
if(VELMORA_SANITIZE)
  target_compile_options(velmora_build_settings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                          -fno-omit-frame-pointer)
  target_link_options(velmora_build_settings INTERFACE -fsanitize=address,undefined)
  # Numbered values checked on every access: an index outside 1..N stops the tests.
  target_compile_definitions(velmora_build_settings INTERFACE VELMORA_CHECKED_NUMBERS)
endif()
