# Instrumentation for the libFuzzer build: every target gets coverage feedback
# and AddressSanitizer + UndefinedBehaviorSanitizer; the fuzz targets themselves
# link libFuzzer's driver (fuzz/CMakeLists.txt). Included before any target.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VELMORA_BUILD_FUZZERS needs clang (libFuzzer), e.g. CXX=clang++-14")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)
