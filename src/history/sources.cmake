list(APPEND VESTRA_CORE_SOURCES
    history/ContentHash.h
    history/ContentHash.cpp
    history/ContentKeyMigration.h
    history/ContentKeyMigration.cpp
    history/DatabaseName.h
    history/DatabaseName.cpp
    history/HistoryCsv.h
    history/HistoryCsv.cpp
    history/HistoryJson.h
    history/HistoryJson.cpp
    history/HistoryLocation.h
    history/HistoryLocation.cpp
    history/HistoryRecords.h
    history/HistorySchema.h
    history/HistorySchema.cpp
    history/HistorySources.h
    history/HistorySources.cpp
    history/SourceFolders.h
    history/SourceFolders.cpp
    history/FolderReading.h
    history/${VESTRA_PLATFORM}FolderReading.cpp
    history/HistoryTrend.h
    history/HistoryTrend.cpp
    history/HistoryStore.h
    history/OpenHistoryStore.cpp
    history/BackendModules.h
    history/BackendModules.cpp
    history/SqlConnection.h
    history/SqlConnection.cpp
    history/SqlHistoryStore.h
    history/SqlHistoryStore.cpp
    history/SqlText.h
    history/SqlText.cpp
    history/StoredContent.h
    history/StoredContent.cpp
    history/StoredValue.h
    history/StoredValue.cpp
)
# The two back ends, modules of their own loaded at their first connection.
list(APPEND VESTRA_POSTGRES_SOURCES
    history/PostgresConnection.h
    history/PostgresConnection.cpp
)
list(APPEND VESTRA_SQLITE_SOURCES
    history/SqliteConnection.h
    history/SqliteConnection.cpp
)
list(APPEND VESTRA_UI_SOURCES
    history/frmHistory.h
    history/frmHistory.cpp
    history/QtHistoryRecorder.h
    history/QtHistoryRecorder.cpp
    history/QtTrendView.h
    history/QtTrendView.cpp
)
