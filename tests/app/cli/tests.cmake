# The command-line tool run as a user would run it, PDFs included.
if(TARGET vestra-report)
add_executable(vestra_cli_tests app/cli/CliConvertTest.cpp)
target_include_directories(vestra_cli_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(vestra_cli_tests PRIVATE
    VESTRA_CLI_PATH="$<TARGET_FILE:vestra-cli>"
    VESTRA_EXPECTED_DIR="${VESTRA_FILES_EXPECTED_DIR}")
target_link_libraries(vestra_cli_tests PRIVATE vestra_core GTest::gtest_main)
add_dependencies(vestra_cli_tests vestra-cli)
gtest_discover_tests(vestra_cli_tests DISCOVERY_TIMEOUT 60)
endif()

# The chart, history and PDF commands of the tool, run as a user would run them (the history's
# against both back ends).
vestra_add_tool_tests(vestra_cli_chart_tests app/cli/CliChartTest.cpp)
vestra_add_tool_tests(vestra_cli_history_tests app/cli/CliHistoryTest.cpp)
vestra_add_tool_tests(vestra_cli_pdf_tests app/cli/CliPdfTest.cpp)

# The manual pages and the bash completion against what the programs' help lists.
if(TARGET vestra-report)
    vestra_add_tool_tests(vestra_cli_manual_tests app/cli/CliManualTest.cpp)
    add_dependencies(vestra_cli_manual_tests vestra-sim vestra-web)
    target_compile_definitions(vestra_cli_manual_tests PRIVATE
        VESTRA_SIM_PATH="$<TARGET_FILE:vestra-sim>"
        VESTRA_WEB_PATH="$<TARGET_FILE:vestra-web>"
        VESTRA_PACKAGING_DIR="${PROJECT_SOURCE_DIR}/packaging")
endif()

# The tool of a build without the windows, built into a folder of its own (a first run compiles
# the core once; later ones find it in ccache).
if(TARGET vestra-report)
    add_test(NAME cli_without_windows
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/cli/cli-without-windows.sh
                     ${CMAKE_BINARY_DIR}/without-windows ${CMAKE_GENERATOR}
                     ${CMAKE_CXX_COMPILER} ${CMAKE_CXX_COMPILER_LAUNCHER})
    set_tests_properties(cli_without_windows PROPERTIES TIMEOUT 1800)
endif()
