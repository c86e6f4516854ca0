list(APPEND VESTRA_CORE_TESTS
    data/DataSetTest.cpp
    data/ValueChecksTest.cpp
    data/ValueFormatTest.cpp
    data/FixedMessagesTest.cpp
    data/DataViewsTest.cpp
    data/AnnotationRulesTest.cpp
    data/WindowPlacementTest.cpp
)

vestra_add_window_tests(vestra_frmMain_tests data/frmMainTest.cpp frmMain)
vestra_add_screenshot_program(vestra_screenshots data/frmMainScreenshots.cpp)
