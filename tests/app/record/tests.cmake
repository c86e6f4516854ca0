list(APPEND VESTRA_CORE_TESTS app/record/HistoryRecordTest.cpp)
