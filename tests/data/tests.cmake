list(APPEND VESTRA_CORE_TESTS
    data/DataSetTest.cpp
)
