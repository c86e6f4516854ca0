# The web view's pages, documents and access checks, in a program of their own: only the web
# view's tests and vestra-web link the web library.
add_executable(vestra_web_tests
    web/HtmlTextTest.cpp
    web/JsonSchemaTest.cpp
    web/OverviewTest.cpp
    web/PageCacheTest.cpp
    web/WebAccessTest.cpp
    web/WebSiteTest.cpp
)
target_include_directories(vestra_web_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vestra_web_tests PRIVATE vestra_web GTest::gtest_main)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/web/JsonSchemaTest.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS VESTRA_JSON_SCHEMA="${PROJECT_SOURCE_DIR}/docs/vestra.schema.json"
    VESTRA_JSON_VALIDATOR="${CMAKE_CURRENT_SOURCE_DIR}/support/validate-json.py")
gtest_discover_tests(vestra_web_tests DISCOVERY_TIMEOUT 60)
