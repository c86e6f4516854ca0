list(APPEND VESTRA_CORE_TESTS
    print/ReportLinesTest.cpp
    print/ReportPagesTest.cpp
    print/PrintOptionRulesTest.cpp
    print/ReportPaperTest.cpp
    print/PdfFileChoiceTest.cpp
    print/PdfStampsTest.cpp
)

# Their printers write PDF files through Qt's print support (print/FakePrintSystem.h).
foreach(test ReportPdfTest PrintWindowsTest)
    vestra_add_window_tests(${test} print/${test}.cpp ${test})
    if(TARGET ${test})
        target_link_libraries(${test} PRIVATE Qt6::PrintSupport)
    endif()
endforeach()
vestra_add_screenshot_program(vestra_print_screenshots print/PrintScreenshots.cpp
                              Qt6::PrintSupport)

# The PDF of the command-line tool, as a user runs it.
vestra_add_tool_tests(vestra_cli_pdf_tests print/CliPdfTest.cpp)

# The tool of a build without the windows, built into a folder of its own (a first run compiles
# the core once; later ones find it in ccache).
if(TARGET vestra-report)
    add_test(NAME cli_without_windows
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/print/cli-without-windows.sh
                     ${CMAKE_BINARY_DIR}/without-windows ${CMAKE_GENERATOR}
                     ${CMAKE_CXX_COMPILER} ${CMAKE_CXX_COMPILER_LAUNCHER})
    set_tests_properties(cli_without_windows PROPERTIES TIMEOUT 1800)
endif()
