list(APPEND VESTRA_CORE_TESTS
    print/ReportLinesTest.cpp
    print/ReportPagesTest.cpp
    print/PrintOptionRulesTest.cpp
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
endif()
