#include "PdfStamps.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vestra {
namespace {

constexpr std::string_view kCreationDate = "/CreationDate (";
constexpr std::string_view kId = "/ID [";

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "D:YYYYMMDDhhmmss" followed by "Z" or "+00'00'", as long as the stamp it replaces.
std::optional<std::string> pdfDate(const DateTime& t, std::size_t length) {
    char text[24];
    std::snprintf(text, sizeof text, "D:%04d%02d%02d%02d%02d%02d", t.year % 10000, t.month % 100,
                  t.day % 100, t.hour % 100, t.minute % 100, t.second % 100);
    std::string date(text);
    if (length == date.size() + 1) {
        return date + 'Z';
    }
    if (length == date.size() + 7) {
        return date + "+00'00'";
    }
    return std::nullopt;
}

void fixCreationDate(std::string& pdf, const DateTime& created) {
    std::size_t start = pdf.find(kCreationDate);
    if (start == std::string::npos) {
        return;
    }
    start += kCreationDate.size();
    std::size_t end = pdf.find(')', start);
    if (end == std::string::npos) {
        return;
    }
    if (auto date = pdfDate(created, end - start)) {
        pdf.replace(start, end - start, *date);
    }
}

// FNV-1a 64 of the file with the /ID's digits blanked: the same report gives the same /ID,
// another report another one.
std::uint64_t digest(const std::string& pdf) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (char c : pdf) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

void fixId(std::string& pdf) {
    std::size_t start = pdf.find(kId);
    if (start == std::string::npos) {
        return;
    }
    std::size_t end = pdf.find(']', start);
    if (end == std::string::npos) {
        return;
    }
    std::size_t first = start + kId.size();
    for (std::size_t i = first; i < end; ++i) {
        if (isHexDigit(pdf[i])) {
            pdf[i] = '0';
        }
    }
    std::uint64_t hash = digest(pdf);
    for (std::size_t i = first; i < end; ++i) {
        if (isHexDigit(pdf[i])) {
            pdf[i] = "0123456789ABCDEF"[hash & 0xF];
            hash = hash >> 4 | hash << 60;
        }
    }
}

} // namespace

std::optional<DateTime> SourceDateEpoch(const char* text) {
    if (text == nullptr || !allDigits(text) || std::string_view(text).size() > 12) {
        return std::nullopt;
    }
    DateTime epoch{1970, 1, 1, 0, 0, 0};
    return AddSeconds(epoch, std::stoll(text));
}

std::string WithFixedStamps(std::string pdf, const DateTime& created) {
    fixCreationDate(pdf, created);
    fixId(pdf);
    return pdf;
}

} // namespace vestra
