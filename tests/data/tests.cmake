list(APPEND VESTRA_CORE_TESTS
    data/DataSetTest.cpp
    data/DataViewsTest.cpp
    data/AnnotationRulesTest.cpp
)
