#pragma once

#include "base/MessageSink.h"

#include <deque>
#include <string>
#include <vector>

namespace vestra::testing {

// Records every message and question; questions are answered from a queue (Yes when empty).
class RecordingMessages : public MessageSink {
public:
    struct Entry {
        std::string text;
        MessageIcon icon;
        std::string detail = {};
    };

    void showMessage(const std::string& text, MessageIcon icon) override {
        entries.push_back({text, icon});
    }
    void showDetailedMessage(const std::string& text, MessageIcon icon,
                             const std::string& detail) override {
        entries.push_back({text, icon, detail});
    }
    bool askYesNo(const std::string& text, MessageIcon icon) override {
        entries.push_back({text, icon});
        if (answers.empty()) {
            return true;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }

    std::vector<Entry> entries;
    std::deque<bool> answers;
    int beeps = 0;
};

} // namespace vestra::testing
