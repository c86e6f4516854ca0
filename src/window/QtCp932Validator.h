#pragma once

#include <QValidator>

namespace vestra {

// Takes out, as it is typed or pasted, any character that code page 932 cannot hold, so that
// the annotation shown is the one that will be saved; the rest of a paste stays. Each time it
// takes something out it says so, for the window to tell the user.
class QtCp932Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;

signals:
    void refused();
};

} // namespace vestra
