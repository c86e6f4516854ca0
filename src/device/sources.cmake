# Serial ports
list(APPEND VESTRA_CORE_SOURCES
    device/SerialPort.h
    device/PortOpenReason.h
    device/PortOpenReason.cpp
    device/PosixSerialPort.h
    device/PosixSerialPort.cpp
)
list(APPEND VESTRA_UI_SOURCES
    device/QtSerialPort.h
    device/QtSerialPort.cpp
)
