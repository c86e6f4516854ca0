list(APPEND VESTRA_CORE_TESTS
    data/DataSetTest.cpp
    data/ValueChecksTest.cpp
    data/ValueFormatTest.cpp
    data/FixedMessagesTest.cpp
    data/DataViewsTest.cpp
    data/AnnotationRulesTest.cpp
)
