# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# Every target of this build runs under ASan and UBSan; the libraries also carry
# libFuzzer's coverage hooks, which the sanitizer runtimes satisfy in ordinary
# executables, so the same objects serve the test suites and the harnesses.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "MARLUNE_FUZZ needs clang: configure with CC=clang CXX=clang++")
endif()
# Any undefined behaviour stops the program, so a suite or harness cannot pass over it.
add_compile_options(-fsanitize=address,undefined,fuzzer-no-link
                    -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
