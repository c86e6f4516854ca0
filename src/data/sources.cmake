list(APPEND VESTRA_CORE_SOURCES
    data/DataSet.h
    data/DataSet.cpp
)
list(APPEND VESTRA_UI_SOURCES
    data/frmMain.h
    data/frmMain.cpp
)
