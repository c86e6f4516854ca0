list(APPEND VESTRA_CORE_TESTS
    data/DataSetTest.cpp
    data/DataViewsTest.cpp
    data/AnnotationRulesTest.cpp
    data/WindowPlacementTest.cpp
)

if(VESTRA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)

    add_executable(vestra_frmMain_tests data/frmMainTest.cpp)
    target_include_directories(vestra_frmMain_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_frmMain_tests PRIVATE vestra_ui Qt6::Test)
    set_target_properties(vestra_frmMain_tests PROPERTIES AUTOMOC ON)
    add_test(NAME frmMain COMMAND vestra_frmMain_tests)
    set_tests_properties(frmMain PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

    # Renders the window with demo data; run it under a display to refresh docs/.
    add_executable(vestra_screenshots data/frmMainScreenshots.cpp)
    target_include_directories(vestra_screenshots PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_screenshots PRIVATE vestra_ui Qt6::Test)
    add_test(NAME frmMainScreenshots COMMAND vestra_screenshots ${CMAKE_CURRENT_BINARY_DIR}/shots)
    set_tests_properties(frmMainScreenshots PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
