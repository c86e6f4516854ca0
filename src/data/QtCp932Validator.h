#pragma once

#include <QValidator>

namespace vestra {

// Refuses, as it is typed or pasted, any character that code page 932 cannot hold, so that the
// annotation shown is the one that will be saved.
class Cp932Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace vestra
