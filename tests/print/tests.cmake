list(APPEND VESTRA_CORE_TESTS
    print/ReportLinesTest.cpp
    print/ReportPagesTest.cpp
    print/PrintOptionRulesTest.cpp
    print/ReportPaperTest.cpp
    print/PdfFileChoiceTest.cpp
    print/PdfStampsTest.cpp
)

foreach(test ReportPdfTest PrintWindowsTest)
    vestra_add_window_tests(${test} print/${test}.cpp ${test})
endforeach()
vestra_add_screenshot_program(vestra_print_screenshots print/PrintScreenshots.cpp)

# The PDF of the command-line tool, as a user runs it.
vestra_add_tool_tests(vestra_cli_pdf_tests print/CliPdfTest.cpp)
