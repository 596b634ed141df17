# Warnings, reproducible floating point and optional sanitizers for every target.
# The digits the program shows must not depend on the compiler's choices: no
# contraction into fused multiply-adds, no fast-math, no host-specific tuning.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                    -ffp-contract=off -fno-fast-math)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation
# (GCC bug 105651); the warning is off for that compiler only.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
if(VELMORA_WERROR)
  add_compile_options(-Werror)
endif()
if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
