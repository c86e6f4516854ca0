list(APPEND VESTRA_CORE_TESTS
    history/HistoryStoreTest.cpp
    history/HistoryTextTest.cpp
    history/SqliteFileTest.cpp
)
