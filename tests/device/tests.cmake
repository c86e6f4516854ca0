list(APPEND VESTRA_CORE_TESTS
    device/CommSessionTest.cpp
    device/DumpFieldsTest.cpp
    device/DumpParserTest.cpp
    device/DeviceCommandsTest.cpp
    device/ConnectionTest.cpp
    device/CommCtlTest.cpp
    device/CommResultMessagesTest.cpp
)

if(VESTRA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(vestra_term_window_tests device/TermWindowTest.cpp)
    target_include_directories(vestra_term_window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_term_window_tests PRIVATE vestra_ui Qt6::Test)
    add_test(NAME term_window COMMAND vestra_term_window_tests)
    set_tests_properties(term_window PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
