# Per-target compile options: warnings, optional -Werror and sanitizers.
#   karumoa_target_options(<target> [STRICT])
# STRICT adds the conversion warnings used for the core, where the
# difference between single and double precision is part of the results.
function(karumoa_target_options target)
  cmake_parse_arguments(ARG "STRICT" "" "" ${ARGN})
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                         -Wnon-virtual-dtor -Woverloaded-virtual -Wformat=2)
  if(ARG_STRICT)
    target_compile_options(${target} PRIVATE -Wold-style-cast -Wconversion
                           -Wsign-conversion -Wdouble-promotion -Wnull-dereference)
  endif()
  if(KARUMOA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(KARUMOA_FUZZ)
    # Coverage for libFuzzer and the sanitizers in everything the fuzz
    # targets run; the targets themselves link the fuzzer's main.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                           -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  elseif(KARUMOA_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                           -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
