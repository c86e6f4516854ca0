#include "base/LocalTime.h"

namespace vestra {

std::tm LocalTime(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

} // namespace vestra
