#include "base/TextCodec.h"

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

    // Converts the whole input; returns false (and the output so far) at the first sequence
    // that the target cannot hold or the source does not encode.
    bool convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        return true;
    }

private:
    iconv_t cd_;
};

Converter& toCp932() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

Converter& fromCp932() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Converts character by character so that one bad character costs one substitute, not the
// rest of the text.
std::string convertEach(Converter& conv, const std::vector<std::string_view>& pieces) {
    std::string out;
    for (std::string_view piece : pieces) {
        std::string one;
        out += conv.convert(piece, one) ? one : std::string("?");
    }
    return out;
}

// Code page 932 characters: a lead byte in 0x81-0x9F or 0xE0-0xFC takes the next byte along.
std::vector<std::string_view> splitCp932(std::string_view bytes) {
    std::vector<std::string_view> pieces;
    for (std::size_t i = 0; i < bytes.size();) {
        auto c = static_cast<unsigned char>(bytes[i]);
        bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        std::size_t n = lead && i + 1 < bytes.size() ? 2 : 1;
        pieces.push_back(bytes.substr(i, n));
        i += n;
    }
    return pieces;
}

} // namespace

std::vector<std::string_view> SplitCharacters(std::string_view utf8) {
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = sequenceLength(static_cast<unsigned char>(utf8[i]));
        bool whole = i + n <= utf8.size();
        for (std::size_t j = 1; whole && j < n; ++j) {
            whole = isContinuation(static_cast<unsigned char>(utf8[i + j]));
        }
        n = whole ? n : 1;
        chars.push_back(utf8.substr(i, n));
        i += n;
    }
    return chars;
}

std::size_t CharacterCount(std::string_view utf8) {
    return SplitCharacters(utf8).size();
}

std::string ToCp932(std::string_view utf8) {
    std::string out;
    if (toCp932().convert(utf8, out)) {
        return out;
    }
    return convertEach(toCp932(), SplitCharacters(utf8));
}

std::string FromCp932(std::string_view cp932) {
    std::string out;
    if (fromCp932().convert(cp932, out)) {
        return out;
    }
    return convertEach(fromCp932(), splitCp932(cp932));
}

bool IsCp932Representable(std::string_view utf8) {
    std::string out;
    return toCp932().convert(utf8, out);
}

std::size_t Cp932Length(std::string_view utf8) {
    return ToCp932(utf8).size();
}

std::string FitCp932(std::string_view utf8, std::size_t maxBytes) {
    std::string kept;
    std::size_t used = 0;
    for (std::string_view ch : SplitCharacters(utf8)) {
        used += Cp932Length(ch);
        if (used > maxBytes) {
            break;
        }
        kept += ch;
    }
    return kept;
}

int FindWideChar(std::string_view utf8) {
    int position = 0;
    for (std::string_view ch : SplitCharacters(utf8)) {
        ++position;
        std::string out;
        if (toCp932().convert(ch, out) && out.size() == 2) {
            return position;
        }
    }
    return 0;
}

} // namespace vestra
