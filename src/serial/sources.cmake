# The serial line: the port, its open reasons, port names and the survey of the machine's ports,
# the waits, the line trace. Nothing here knows the thermometer.
list(APPEND VESTRA_CORE_SOURCES
    serial/SerialPort.h
    serial/PortTicks.h
    serial/PortNames.h
    serial/PortNames.cpp
    serial/PortSurvey.h
    serial/PortSurvey.cpp
    serial/PortListingJson.h
    serial/PortListingJson.cpp
    serial/PortOpenReason.h
    serial/PortOpenReason.cpp
    serial/PortHolder.h
    serial/WaitOutcome.h
    serial/LineTrace.h
    serial/LineTrace.cpp
)
# The platform's side: the port itself, the name of port number n without a [Ports] entry, and
# where the system lists its ports.
foreach(service SerialPort PortNames PortSurvey)
    list(APPEND VESTRA_CORE_SOURCES serial/${VESTRA_PLATFORM}${service}.cpp)
endforeach()
if(VESTRA_PLATFORM STREQUAL Posix)
    # termios waits in poll(2); the port is kept to itself by the LCK.. lock file and TIOCEXCL,
    # and a holder without either is searched for in /proc.
    list(APPEND VESTRA_CORE_SOURCES
        serial/PosixSerialPort.h
        serial/PosixPortSurvey.h
        serial/PortLock.h
        serial/PortLock.cpp
        serial/PortHolder.cpp
        serial/PortWaiter.h
        serial/PortWaiter.cpp
    )
else()
    # Overlapped reads waited on with events; the share mode of the open keeps the port to
    # itself, so Windows needs neither a lock file nor a holder search.
    list(APPEND VESTRA_CORE_SOURCES
        serial/WindowsSerialPort.h
        serial/WindowsPortSurvey.h
        serial/WindowsPortWaiter.h
        serial/WindowsPortWaiter.cpp
    )
endif()

list(APPEND VESTRA_UI_SOURCES
    serial/QtPortWaiter.h
    serial/QtPortWaiter.cpp
)
