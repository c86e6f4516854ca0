list(APPEND VESTRA_CORE_TESTS
    web/HtmlTextTest.cpp
    web/OverviewTest.cpp
    web/WebAccessTest.cpp
    web/WebSiteTest.cpp
)
