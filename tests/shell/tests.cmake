list(APPEND VESTRA_CORE_TESTS
    shell/TextCodecTest.cpp
    shell/CommonTest.cpp
    shell/NumberFormatTest.cpp
    shell/DateTimeTest.cpp
    shell/FileFuncTest.cpp
    shell/AtomicFileTest.cpp
    shell/IniFileTest.cpp
    shell/SettingsTest.cpp
)
