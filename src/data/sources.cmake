list(APPEND VESTRA_CORE_SOURCES
    data/DataSet.h
    data/DataSet.cpp
    data/TableView.h
    data/TableView.cpp
    data/TableLayout.h
    data/TableLayout.cpp
    data/DataViews.h
    data/DataViews.cpp
    data/AnnotationRules.h
    data/AnnotationRules.cpp
)
list(APPEND VESTRA_UI_SOURCES
    data/QtCp932Validator.h
    data/QtCp932Validator.cpp
    data/QtGridTable.h
    data/QtGridTable.cpp
    data/QtToolIcons.h
    data/QtToolIcons.cpp
    data/frmMain.h
    data/frmMain.cpp
    data/frmMainEditors.cpp
    data/frmMainMenus.cpp
    data/frmMainPanels.cpp
)
