list(APPEND VESTRA_CORE_TESTS
    devicesettings/EditorTextsTest.cpp
    devicesettings/FieldTextTest.cpp
    devicesettings/SettingsFormTest.cpp
    devicesettings/SettingsTextTest.cpp
    devicesettings/StepScaleTest.cpp
)
if(VESTRA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(frmSetTest devicesettings/frmSetTest.cpp)
    set_target_properties(frmSetTest PROPERTIES AUTOMOC ON)
    target_include_directories(frmSetTest PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(frmSetTest PRIVATE vestra_ui Qt6::Test)
    add_test(NAME frmSetTest COMMAND frmSetTest)
    set_tests_properties(frmSetTest PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
