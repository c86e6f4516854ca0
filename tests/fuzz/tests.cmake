# Fuzz harnesses. With VESTRA_FUZZ (clang) each is a libFuzzer program that tools/fuzz.sh runs;
# otherwise each replays its seed corpus once as a ctest test.
set(VESTRA_FUZZ_CORPUS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus)

if(NOT VESTRA_FUZZ)
    add_library(vestra_fuzz_replay OBJECT fuzz/ReplayMain.cpp)
endif()

function(vestra_add_fuzz_harness name source)
    if(VESTRA_FUZZ)
        add_executable(fuzz_${name} fuzz/${source})
        target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    else()
        add_executable(fuzz_${name} fuzz/${source} $<TARGET_OBJECTS:vestra_fuzz_replay>)
        add_test(NAME fuzz_replay.${name} COMMAND fuzz_${name} ${VESTRA_FUZZ_CORPUS_DIR}/${name})
    endif()
    target_include_directories(fuzz_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(fuzz_${name} PRIVATE vestra_core)
endfunction()

vestra_add_fuzz_harness(dump_parser DumpParserFuzzer.cpp)
vestra_add_fuzz_harness(data_file DataFileFuzzer.cpp)
vestra_add_fuzz_harness(settings_file SettingsFileFuzzer.cpp)

list(APPEND VESTRA_CORE_TESTS fuzz/SeedCorpusTest.cpp)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/SeedCorpusTest.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS VESTRA_FUZZ_CORPUS_DIR="${VESTRA_FUZZ_CORPUS_DIR}")
