list(APPEND VESTRA_CORE_TESTS
    history/ContentKeyMigrationTest.cpp
    history/DamagedDatabaseTest.cpp
    history/HistoryStoreTest.cpp
    history/HistoryTextTest.cpp
    history/HistoryJsonTest.cpp
    history/HistorySourcesTest.cpp
    history/HistoryTrendTest.cpp
    history/SqliteFileTest.cpp
)
# A database written by the release before the content key became SHA-256.
set_source_files_properties(history/ContentKeyMigrationTest.cpp PROPERTIES
    COMPILE_DEFINITIONS VESTRA_HISTORY_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/history")
set_source_files_properties(history/HistoryTextTest.cpp PROPERTIES
    COMPILE_DEFINITIONS VESTRA_BUILD_TREE="${CMAKE_BINARY_DIR}")

# Only a run that opens a history loads SQLite, and only one that names a server libpq, each
# through its back-end module.
foreach(program vestra vestra-cli vestra-web)
    if(TARGET ${program})
        add_test(NAME ${program}_maps_no_database_library
                 COMMAND sh -c "! ldd \"$1\" | grep -E 'libpq|libsqlite3'" sh
                         $<TARGET_FILE:${program}>)
    endif()
endforeach()

vestra_add_window_tests(vestra_history_window_tests history/frmHistoryTest.cpp history_window)

# Renders the history window into docs/ (target screenshots).
vestra_add_screenshot_program(vestra_history_screenshot history/frmHistoryScreenshot.cpp)
