list(APPEND VESTRA_CORE_TESTS
    print/ReportLinesTest.cpp
    print/ReportPagesTest.cpp
    print/PrintOptionRulesTest.cpp
)
