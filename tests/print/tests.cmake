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
