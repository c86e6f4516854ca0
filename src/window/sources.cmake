list(APPEND VESTRA_CORE_SOURCES
    window/WindowPlacement.h
    window/WindowPlacement.cpp
    window/WindowTitle.h
    window/WindowTitle.cpp
)
list(APPEND VESTRA_UI_SOURCES
    window/QtCp932Validator.h
    window/QtCp932Validator.cpp
    window/QtGridTable.h
    window/QtGridTable.cpp
    window/QtToolIcons.h
    window/QtToolIcons.cpp
    window/QtWindowFit.h
    window/QtWindowFit.cpp
    window/frmMain.h
    window/frmMain.cpp
    window/frmMainEditors.cpp
    window/frmMainMenus.cpp
    window/frmMainPanels.cpp
    window/frmMainLayout.cpp
)
