list(APPEND VESTRA_CORE_TESTS
    web/HtmlTextTest.cpp
    web/OverviewTest.cpp
    web/WebAccessTest.cpp
    web/WebSiteTest.cpp
)

# vestra-web as a program on a free loopback port, against both back ends.
if(TARGET vestra-web)
    add_executable(vestra_web_server_tests web/WebServerTest.cpp)
    target_include_directories(vestra_web_server_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(vestra_web_server_tests PRIVATE
        VESTRA_WEB_PATH="$<TARGET_FILE:vestra-web>")
    target_link_libraries(vestra_web_server_tests PRIVATE vestra_core GTest::gtest_main
                                                          PkgConfig::CPPHTTPLIB)
    add_dependencies(vestra_web_server_tests vestra-web vestra-postgres)
    gtest_discover_tests(vestra_web_server_tests DISCOVERY_TIMEOUT 60)
endif()
