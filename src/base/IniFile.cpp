#include "base/IniFile.h"

#include "base/AtomicFile.h"
#include "base/FileFault.h"
#include "base/FileRead.h"
#include "base/TextCodec.h"

#include <cerrno>
#include <sys/stat.h>

namespace vestra {
namespace {

std::string_view trimmed(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {};
    }
    std::size_t end = text.find_last_not_of(" \t");
    return text.substr(start, end - start + 1);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// The name of a "[name]" line, nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    std::string_view t = trimmed(line);
    std::size_t close = t.find(']');
    if (t.empty() || t.front() != '[' || close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimmed(t.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// Comment lines (";") and lines without "=" hold no key.
std::optional<KeyLine> keyLine(std::string_view line) {
    std::size_t eq = line.find('=');
    std::string_view key = trimmed(line.substr(0, eq == std::string_view::npos ? 0 : eq));
    if (eq == std::string_view::npos || key.empty() || key.front() == ';') {
        return std::nullopt;
    }
    return KeyLine{key, trimmed(line.substr(eq + 1))};
}

// A value holds one line: a line break in it (a file name can contain one) would otherwise
// write a line of its own into the file, which the next start reads as a key.
std::string oneLine(std::string_view value) {
    std::string line(value);
    std::erase_if(line, [](char c) { return c == '\r' || c == '\n'; });
    return line;
}

} // namespace

IniFile IniFile::Parse(std::string_view cp932) {
    IniFile ini;
    while (!cp932.empty()) {
        std::size_t end = cp932.find('\n');
        std::string_view line = cp932.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ini.lines_.emplace_back(line);
        cp932.remove_prefix(end == std::string_view::npos ? cp932.size() : end + 1);
    }
    return ini;
}

IniFile IniFile::Load(const std::string& path) {
    std::string ignored;
    return LoadForRewrite(path, ignored).value_or(IniFile());
}

std::optional<IniFile> IniFile::LoadForRewrite(const std::string& path, std::string& reason) {
    // Read whole, since every line is written back at exit; a file too large to be read whole
    // is never written back.
    Expected<FileContents> contents = ReadRegularFile(path, kMaxIniFileBytes);
    if (contents) {
        if (contents->whole) {
            return Parse(contents->bytes);
        }
        reason = kFileTooLarge;
        return std::nullopt;
    }
    reason = contents.error().text;
    // A missing file, or a link to one, is a new document.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) {
        return IniFile();
    }
    return std::nullopt;
}

std::optional<std::pair<std::size_t, std::size_t>>
IniFile::sectionRange(std::string_view name) const {
    std::string wanted = ToCp932(name);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::optional<std::string_view> found = sectionName(lines_[i]);
        if (!found || !sameName(*found, wanted)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end])) {
            ++end;
        }
        return std::make_pair(i + 1, end);
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    std::string wanted = ToCp932(key);
    for (const auto& [name, text] : entries(section)) {
        if (sameName(ToCp932(name), wanted)) {
            return text;
        }
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniFile::entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> found;
    auto range = sectionRange(section);
    for (std::size_t i = range ? range->first : 0; range && i < range->second; ++i) {
        if (std::optional<KeyLine> k = keyLine(lines_[i])) {
            found.emplace_back(FromCp932(k->key), FromCp932(k->value));
        }
    }
    return found;
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string wanted = ToCp932(key);
    std::string line = wanted + "=" + ToCp932(oneLine(value));
    auto range = sectionRange(section);
    if (!range) {
        lines_.push_back("[" + ToCp932(section) + "]");
        lines_.push_back(line);
        return;
    }
    std::size_t insertAt = range->first;
    for (std::size_t i = range->first; i < range->second; ++i) {
        std::optional<KeyLine> k = keyLine(lines_[i]);
        if (k && sameName(k->key, wanted)) {
            lines_[i] = line;
            return;
        }
        // A new key goes after the section's last non-empty line, before the blank line that
        // usually separates it from the next section.
        if (!trimmed(lines_[i]).empty()) {
            insertAt = i + 1;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string IniFile::serialize() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line + "\r\n";
    }
    return out;
}

bool IniFile::save(const std::string& path) const {
    return WriteFileAtomically(path, serialize()).has_value();
}

} // namespace vestra
