#include "files/DataFileRecord.h"

#include "base/TextCodec.h"

#include <bit>

namespace vestra {
namespace {

template <typename T> void putLittleEndian(std::string& out, T bits) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    }
}

template <typename T> T getLittleEndian(std::string_view bytes, std::size_t offset) {
    T bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bits |= static_cast<T>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return bits;
}

} // namespace

std::string EncodeRecord(const DataFileRecord& record) {
    std::string out;
    out.reserve(kRecordSize);
    putLittleEndian(out, static_cast<std::uint16_t>(record.recGroup));
    putLittleEndian(out, static_cast<std::uint16_t>(record.recNumber));
    putLittleEndian(out, std::bit_cast<std::uint32_t>(record.recValue));
    putLittleEndian(out, std::bit_cast<std::uint64_t>(record.recTime));
    std::string text = record.recText.substr(0, kTextFieldBytes);
    text.resize(kTextFieldBytes, ' ');
    out += text;
    return out;
}

DataFileRecord DecodeRecord(std::string_view bytes) {
    DataFileRecord r;
    r.recGroup = static_cast<std::int16_t>(getLittleEndian<std::uint16_t>(bytes, 0));
    r.recNumber = static_cast<std::int16_t>(getLittleEndian<std::uint16_t>(bytes, 2));
    r.recValue = std::bit_cast<float>(getLittleEndian<std::uint32_t>(bytes, 4));
    r.recTime = std::bit_cast<double>(getLittleEndian<std::uint64_t>(bytes, 8));
    r.recText = std::string(bytes.substr(16, kTextFieldBytes));
    return r;
}

std::string TextField(std::string_view utf8) {
    std::string bytes = ToCp932(FitCp932(utf8, kTextFieldBytes));
    bytes.resize(kTextFieldBytes, ' ');
    return bytes;
}

std::string_view TrimRightBytes(std::string_view bytes) {
    std::size_t end = bytes.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : bytes.substr(0, end + 1);
}

std::string_view TrimBytes(std::string_view bytes) {
    std::string_view right = TrimRightBytes(bytes);
    std::size_t start = right.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : right.substr(start);
}

} // namespace vestra
