#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vestra {

// A settings file holds a few hundred bytes; one beyond this is no settings file (a log written
// over it, a wrong link), and reading it whole to find one key would cost every start its time
// and memory.
inline constexpr std::size_t kMaxIniFileBytes = 1024 * 1024;

// An initialisation file: "[Section]" lines and "key=value" lines, in code page 932. Section
// and key names match without regard to letter case. Changing a value rewrites only that line
// (or adds it), so comments, unknown keys and foreign sections survive a save unchanged.
class IniFile {
public:
    // Lines may end in CR LF or LF.
    static IniFile Parse(std::string_view cp932);
    // An empty document when the file is missing or unreadable.
    static IniFile Load(const std::string& path);
    // For a file that will be written back: an empty document when the file does not exist,
    // nothing, with the reason, when it exists but cannot be read (writing it back would lose
    // its lines) or is larger than kMaxIniFileBytes.
    static std::optional<IniFile> LoadForRewrite(const std::string& path, std::string& reason);

    // The value in UTF-8 with blanks around it removed; nothing when the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Every key=value line of the section, in file order.
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;

    // Replaces the key's line with key=value, or adds it at the end of its section; a missing
    // section is added at the end of the document.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The document in code page 932, every line ended by CR LF.
    std::string serialize() const;
    // Replaces the file; false when it cannot be written.
    bool save(const std::string& path) const;

private:
    std::vector<std::string> lines_; // code page 932, without line ends

    // [begin, end) of the lines after the section's heading; nothing when it has none.
    std::optional<std::pair<std::size_t, std::size_t>> sectionRange(std::string_view name) const;
};

} // namespace vestra
