#pragma once

#include <functional>
#include <string>

namespace vestra {

// The folder the user last wrote a file to in this run, whatever it held (a data file, an
// export, a PDF, a chart picture), and who hears of each file written: the chart's and the
// history's save dialogs start in that folder, and the main window names each file in its
// status bar.
class OutputPlace {
public:
    // fallbackFolder: where a save starts before anything was written (the documents folder).
    explicit OutputPlace(std::string fallbackFolder);

    // The folder of the last file written, with its trailing separator, while that folder
    // exists; the fallback otherwise.
    std::string startFolder() const;
    // Remembers path's folder and tells the listener.
    void written(const std::string& path);

    std::function<void(const std::string& path)> onWritten;

private:
    std::string fallback_;
    std::string lastFolder_;
};

// A name a save dialog can offer for text taken from the data (a tag, an object): blanks at
// either end dropped, separators replaced by "_"; empty when nothing is left.
std::string SuggestedFileName(std::string text);

// The status bar's line after path was written: "保存しました: " and the file's name.
std::string WrittenNote(const std::string& path);

} // namespace vestra
