# libFuzzer targets for the two file loaders and the kelvane-sim script
# reader, run for a fixed number of inputs
# under AddressSanitizer and UndefinedBehaviorSanitizer:
#   ctest -L fuzz
# The core is built a second time with the fuzzing instrumentation so that the
# fuzzers see the coverage of the whole program behind the loaders.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(WARNING "The fuzzers need clang (-DCMAKE_CXX_COMPILER=clang++); not built")
  return()
endif()

set(KELVANE_FUZZ_RUNS 20000 CACHE STRING "Inputs each fuzzer runs in the test")
set(KELVANE_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all
  -fno-omit-frame-pointer)

add_library(kelvane_core_fuzz STATIC ${KELVANE_CORE_SOURCES})
target_include_directories(kelvane_core_fuzz PUBLIC src)
target_compile_options(kelvane_core_fuzz PUBLIC -O1 -ffp-contract=off ${KELVANE_FUZZ_SANITIZERS}
  -fsanitize=fuzzer-no-link)
target_link_options(kelvane_core_fuzz PUBLIC -fsanitize=address,undefined)

add_executable(kelvane_fuzz_seeds fuzz/make_seed_corpus.cpp)
target_link_libraries(kelvane_fuzz_seeds PRIVATE kelvane_core_fuzz)
target_link_options(kelvane_fuzz_seeds PRIVATE -fsanitize=fuzzer-no-link)

set(KELVANE_FUZZ_CORPUS ${CMAKE_BINARY_DIR}/fuzz-corpus)
add_test(NAME fuzz_seed_corpus COMMAND kelvane_fuzz_seeds ${KELVANE_FUZZ_CORPUS})
set_tests_properties(fuzz_seed_corpus PROPERTIES LABELS fuzz FIXTURES_SETUP fuzz_corpus)

foreach(loader boat settings)
  add_executable(fuzz_${loader}_file fuzz/${loader}_file_fuzz.cpp)
  target_link_libraries(fuzz_${loader}_file PRIVATE kelvane_core_fuzz)
  target_link_options(fuzz_${loader}_file PRIVATE -fsanitize=fuzzer)
  # New inputs go into the corpus folder, which the seed test empties first:
  # every run starts from the same seeds with the same random seed.
  add_test(NAME fuzz_${loader}_file
    COMMAND fuzz_${loader}_file -runs=${KELVANE_FUZZ_RUNS} -seed=1 -print_final_stats=1
            ${KELVANE_FUZZ_CORPUS}/${loader})
  set_tests_properties(fuzz_${loader}_file PROPERTIES LABELS fuzz FIXTURES_REQUIRED fuzz_corpus
    TIMEOUT 900)
endforeach()

# The script reader and the commands it reads, built on the fuzzing core.
add_executable(fuzz_script_reader fuzz/script_reader_fuzz.cpp ${KELVANE_SCRIPT_SOURCES})
target_include_directories(fuzz_script_reader PRIVATE tools)
target_link_libraries(fuzz_script_reader PRIVATE kelvane_core_fuzz)
target_link_options(fuzz_script_reader PRIVATE -fsanitize=fuzzer)
add_test(NAME fuzz_script_reader
  COMMAND fuzz_script_reader -runs=${KELVANE_FUZZ_RUNS} -seed=1 -print_final_stats=1
          -dict=${CMAKE_SOURCE_DIR}/fuzz/script_words.dict ${KELVANE_FUZZ_CORPUS}/script)
set_tests_properties(fuzz_script_reader PROPERTIES LABELS fuzz FIXTURES_REQUIRED fuzz_corpus
  TIMEOUT 900)
