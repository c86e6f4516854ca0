list(APPEND VESTRA_CORE_SOURCES
    device/SerialPort.h
    device/CommState.h
    device/CommObserver.h
    device/CommSession.h
    device/CommSession.cpp
    device/CommCtl.h
    device/CommCtl.cpp
    device/PortNames.h
    device/PortNames.cpp
    device/DumpFields.h
    device/DumpFields.cpp
    device/DumpParser.h
    device/DumpParser.cpp
    device/ReadDump.h
    device/ReadDump.cpp
    device/DeviceCommands.h
    device/DeviceCommands.cpp
    device/Connection.h
    device/Connection.cpp
    device/CommResultMessages.h
    device/CommResultMessages.cpp
)
list(APPEND VESTRA_UI_SOURCES
    device/frmTerm.h
    device/frmTerm.cpp
)
