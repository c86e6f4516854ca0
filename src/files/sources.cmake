list(APPEND VESTRA_CORE_SOURCES
    files/CsvExport.cpp
    files/DataFile.h
    files/DataFileReader.cpp
    files/DataFileRecord.h
    files/DataFileRecord.cpp
    files/DataFileWriter.cpp
    files/Export.h
    files/ExportFile.cpp
    files/FileChoice.h
    files/FileChoice.cpp
    files/FileDialogs.h
    files/FileCommands.h
    files/FileCommands.cpp
    files/FileErrors.h
    files/FileErrors.cpp
    files/ExportStatistics.h
    files/ExportStatistics.cpp
    files/JsonExport.h
    files/JsonExport.cpp
    files/TextEncoding.h
    files/TextEncoding.cpp
    files/TextExport.cpp
)
list(APPEND VESTRA_UI_SOURCES
    files/QtFileDialogs.h
    files/QtFileDialogs.cpp
)
