# One place for the flags every target of the tree is built with.
add_library(kelvane_flags INTERFACE)
target_compile_features(kelvane_flags INTERFACE cxx_std_20)
option(KELVANE_WERROR "Treat warnings as errors" ON)
target_compile_options(kelvane_flags INTERFACE -Wall -Wextra $<$<BOOL:${KELVANE_WERROR}>:-Werror>)
target_compile_definitions(kelvane_flags INTERFACE
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QT_NO_KEYWORDS)

# The program's own sources spell out every text's encoding; tests may use
# plain literals.
add_library(kelvane_strict_strings INTERFACE)
target_compile_definitions(kelvane_strict_strings INTERFACE QT_NO_CAST_FROM_ASCII)

option(KELVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KELVANE_SANITIZE)
    # Line tables are all a sanitizer's report needs (-g1): the build and its
    # links are the faster for the debug information left out.
    target_compile_options(kelvane_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -g1)
    target_link_options(kelvane_flags INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz preset: the core with the fuzzer's coverage and the sanitizers; the
# fuzz targets link libFuzzer themselves.
option(KELVANE_FUZZ "Build the fuzz targets of the readers (clang and libFuzzer)" OFF)
if(KELVANE_FUZZ)
    target_compile_options(kelvane_flags INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(kelvane_flags INTERFACE -fsanitize=address,undefined)
endif()
