# vestra-web as a program on a free loopback port, against both back ends.
if(TARGET vestra-web)
    add_executable(vestra_web_server_tests app/web/WebServerTest.cpp)
    target_include_directories(vestra_web_server_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(vestra_web_server_tests PRIVATE
        VESTRA_WEB_PATH="$<TARGET_FILE:vestra-web>")
    target_link_libraries(vestra_web_server_tests PRIVATE vestra_core GTest::gtest_main
                                                          PkgConfig::CPPHTTPLIB)
    add_dependencies(vestra_web_server_tests vestra-web)
    gtest_discover_tests(vestra_web_server_tests DISCOVERY_TIMEOUT 60)
endif()

# The web view in headless Chromium (chromium, chromium-driver and python3-selenium come with
# tools/install-deps.sh --tests; without them the test is skipped and says why). The target
# screenshots saves its overview and tag page into docs/.
if(TARGET vestra-web AND TARGET vestra-cli)
    set(browser_walk /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/app/web/browser-walk.py
        $<TARGET_FILE:vestra-web> $<TARGET_FILE:vestra-cli> ${CMAKE_CURRENT_SOURCE_DIR}/files/expected)
    add_test(NAME web_browser COMMAND ${browser_walk})
    set_tests_properties(web_browser PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180)
    add_custom_command(TARGET screenshots POST_BUILD
        COMMAND ${browser_walk} --screenshots ${PROJECT_SOURCE_DIR}/docs VERBATIM)
    add_dependencies(screenshots vestra-web vestra-cli)
endif()
