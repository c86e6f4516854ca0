#include "base/CodePage932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vestra {
namespace {

// One conversion descriptor per direction and thread: opening one costs far more than a
// conversion of the short texts this program handles.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<std::string> convert(std::string_view in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        std::string out;
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return std::nullopt;
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    thread_local Converter c("CP932", "UTF-8");
    return c.convert(utf8);
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    thread_local Converter c("UTF-8", "CP932");
    return c.convert(cp932);
}

} // namespace vestra
