#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vestra {

// The port numbers COM1 to COM16 the application offers.
inline constexpr int kPortCount = 16;

// A USB serial adapter as the system lists it.
struct UsbSerialPort {
    std::string byIdPath;    // /dev/serial/by-id/usb-...: the same for the same adapter
    std::string device;      // what that link points to, /dev/ttyUSB0 or /dev/ttyACM0
    std::string description; // maker and product, as the adapter names itself
    std::string vendorId;    // four hex digits
    std::string productId;
    std::string serial;
};

// The serial ports of this machine: the USB adapters and the built-in ports with hardware.
struct PortSurvey {
    std::vector<UsbSerialPort> adapters;
    std::set<int> builtIn; // port numbers n whose BuiltInPortName(n) has a port behind it
};

// The ports the system knows now: from /dev/serial/by-id and sysfs on Linux
// (PosixPortSurvey.cpp), from the registry on Windows (WindowsPortSurvey.cpp).
PortSurvey SurveyPorts();

// Gives every adapter that no [Ports] entry names yet (by its link or by its device) the
// lowest port number from 1 to 16 that is neither an entry nor a built-in port, and adds it to
// portMap by its /dev/serial/by-id/ link, so that the adapter keeps its number. Returns the
// numbers given; an adapter left without a free number stays out.
std::vector<int> AssignNewAdapters(std::map<int, std::string>& portMap, const PortSurvey& survey);

// The adapter a device path (a link or the device itself) stands for; null when none.
const UsbSerialPort* FindAdapter(const PortSurvey& survey, const std::string& path);

// What the port menu says of a device: the path and, for an adapter, its description,
// VID:PID and serial number.
std::string PortDescription(const std::string& path, const PortSurvey& survey);

// What `vestra-cli ports` prints: a line "COMn<TAB>device[<TAB>description]" for each of the
// 16 port numbers, then "Detected serial ports:" and a line for each built-in port with
// hardware and each adapter ("device<TAB>link<TAB>description").
std::vector<std::string> PortListing(const std::map<int, std::string>& portMap,
                                     const PortSurvey& survey);

} // namespace vestra
