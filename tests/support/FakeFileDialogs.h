#pragma once

#include "files/FileDialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace vestra::testing {

// Answers the file dialogs from a queue (cancel when it is empty) and keeps what each dialog
// was shown with.
class FakeFileDialogs : public FileDialogs {
public:
    std::optional<std::string> askOpen(const FileDialogSetup& setup) override {
        opened.push_back(setup);
        return next();
    }
    std::optional<std::string> askSave(const FileDialogSetup& setup) override {
        saved.push_back(setup);
        return next();
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogSetup> opened;
    std::vector<FileDialogSetup> saved;

private:
    std::optional<std::string> next() {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace vestra::testing
