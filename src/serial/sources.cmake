# The serial line: the termios port, its lock file and open reasons, port names and the survey
# of the machine's ports, the waits, the line trace. Nothing here knows the thermometer.
list(APPEND VESTRA_CORE_SOURCES
    serial/SerialPort.h
    serial/PosixSerialPort.h
    serial/PosixSerialPort.cpp
    serial/PortLock.h
    serial/PortLock.cpp
    serial/PortNames.h
    serial/PortNames.cpp
    serial/PortSurvey.h
    serial/PortSurvey.cpp
    serial/PortListingJson.h
    serial/PortListingJson.cpp
    serial/PortOpenReason.h
    serial/PortOpenReason.cpp
    serial/PortHolder.h
    serial/PortHolder.cpp
    serial/PortWaiter.h
    serial/PortWaiter.cpp
    serial/LineTrace.h
    serial/LineTrace.cpp
)

list(APPEND VESTRA_UI_SOURCES
    serial/QtPortWaiter.h
    serial/QtPortWaiter.cpp
)
