#include "base/LocalTime.h"

namespace vestra {

std::tm LocalTime(std::time_t t) {
    std::tm local{};
    localtime_s(&local, &t);
    return local;
}

} // namespace vestra
