list(APPEND VESTRA_CORE_TESTS
    print/ReportLinesTest.cpp
    print/ReportPagesTest.cpp
    print/PrintOptionRulesTest.cpp
    print/ReportPaperTest.cpp
    print/PdfFileChoiceTest.cpp
)

if(VESTRA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    foreach(test ReportPdfTest PrintWindowsTest)
        add_executable(${test} print/${test}.cpp)
        set_target_properties(${test} PROPERTIES AUTOMOC ON)
        target_include_directories(${test} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${test} PRIVATE vestra_ui Qt6::Test)
        add_test(NAME ${test} COMMAND ${test})
        set_tests_properties(${test} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endforeach()

    # The print menu and the preview as PNG files, for the documentation.
    add_executable(vestra_print_screenshots print/PrintScreenshots.cpp)
    target_include_directories(vestra_print_screenshots PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_print_screenshots PRIVATE vestra_ui Qt6::Test)
    add_test(NAME PrintScreenshots
             COMMAND vestra_print_screenshots ${CMAKE_CURRENT_BINARY_DIR}/shots)
    set_tests_properties(PrintScreenshots PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()

# The PDF of the command-line tool, as a user runs it.
vestra_add_tool_tests(vestra_cli_pdf_tests print/CliPdfTest.cpp)
