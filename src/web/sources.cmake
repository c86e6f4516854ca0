# The web view without its HTTP server: pages, API documents and access checks, answered from a
# request to a response so that tests need no socket.
list(APPEND VESTRA_WEB_SOURCES
    web/HtmlText.h
    web/HtmlText.cpp
    web/Overview.h
    web/Overview.cpp
    web/PageFrame.cpp
    web/OverviewPage.cpp
    web/ReadingsPage.cpp
    web/DataSetPages.cpp
    web/WebAccess.h
    web/WebAccess.cpp
    web/WebJson.h
    web/WebJson.cpp
    web/WebPages.h
    web/WebRoutes.h
    web/WebRoutes.cpp
    web/PageCache.h
    web/PageCache.cpp
    web/WebExchange.h
    web/WebSite.h
    web/WebSite.cpp
)
