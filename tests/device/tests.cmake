# Clock dialog and settings list.
list(APPEND VESTRA_CORE_TESTS
    device/ClockInputTest.cpp
    device/SettingsListTextTest.cpp
)
if(VESTRA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    foreach(window frmTime frmSetAll)
        add_executable(${window}Test device/${window}Test.cpp)
        set_target_properties(${window}Test PROPERTIES AUTOMOC ON)
        target_include_directories(${window}Test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${window}Test PRIVATE vestra_ui Qt6::Test)
        add_test(NAME ${window}Test COMMAND ${window}Test)
        set_tests_properties(${window}Test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endforeach()
endif()
