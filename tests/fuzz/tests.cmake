# Fuzz harnesses. With VESTRA_FUZZ (clang) each is a libFuzzer program that tools/fuzz.sh runs;
# otherwise each replays its seed corpus once as a ctest test.
set(VESTRA_FUZZ_CORPUS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus)

function(vestra_add_fuzz_harness name source)
    if(VESTRA_FUZZ)
        add_executable(fuzz_${name} fuzz/${source})
        target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    else()
        add_executable(fuzz_${name} fuzz/${source} fuzz/ReplayMain.cpp)
        add_test(NAME fuzz_replay.${name} COMMAND fuzz_${name} ${VESTRA_FUZZ_CORPUS_DIR}/${name})
    endif()
    target_include_directories(fuzz_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(fuzz_${name} PRIVATE vestra_core)
endfunction()

vestra_add_fuzz_harness(dump_parser DumpParserFuzzer.cpp)
vestra_add_fuzz_harness(data_file DataFileFuzzer.cpp)
vestra_add_fuzz_harness(settings_file SettingsFileFuzzer.cpp)
