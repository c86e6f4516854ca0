list(APPEND VESTRA_CORE_SOURCES
    print/PrintOptions.h
    print/PrintOptions.cpp
    print/ReportLines.h
    print/ReportLines.cpp
    print/ReportPages.h
    print/ReportPages.cpp
    print/PrintMenuRules.h
    print/PrintMenuRules.cpp
    print/PrintSetRules.h
    print/PrintSetRules.cpp
)
