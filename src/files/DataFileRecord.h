#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vestra {

// The native data file is a plain sequence of 56-byte little-endian records: three header
// records, three records per group, then one record per reading.
inline constexpr std::size_t kRecordSize = 56;
inline constexpr std::size_t kTextFieldBytes = 40;
inline constexpr int kFirstGroupRecord = 4;
inline constexpr int kFirstReadingRecord = 49;
// Capacity written into the label record; the reader insists on it.
inline constexpr std::int16_t kFileCapacity = 150;

struct DataFileRecord {
    std::int16_t recGroup = 0;
    std::int16_t recNumber = 0;
    float recValue = 0;
    double recTime = 0;  // OLE Automation date
    std::string recText; // code page 932 bytes, exactly 40 after decoding
};

std::string EncodeRecord(const DataFileRecord& record);
// bytes must hold at least kRecordSize bytes; only the first kRecordSize are used.
DataFileRecord DecodeRecord(std::string_view bytes);

// The text as code page 932 bytes, cut at a character boundary to 40 bytes, padded with
// blanks to exactly 40.
std::string TextField(std::string_view utf8);

// Code page 932 bytes without trailing blanks; with leading blanks removed too when both.
// A blank never occurs inside a double-byte character, so trimming bytes is safe.
std::string_view TrimRightBytes(std::string_view bytes);
std::string_view TrimBytes(std::string_view bytes);

} // namespace vestra
