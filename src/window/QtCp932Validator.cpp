#include "window/QtCp932Validator.h"

#include "data/AnnotationRules.h"

namespace vestra {

QValidator::State QtCp932Validator::validate(QString& input, int& position) const {
    if (IsTypableAnnotation(input.toStdString())) {
        return Acceptable;
    }
    QString kept;
    int cursor = 0;
    for (qsizetype i = 0; i < input.size();) {
        qsizetype length = input[i].isHighSurrogate() && i + 1 < input.size() ? 2 : 1;
        QString character = input.mid(i, length);
        if (IsTypableAnnotation(character.toStdString())) {
            kept += character;
            cursor += i < position ? static_cast<int>(length) : 0;
        }
        i += length;
    }
    input = kept;
    position = cursor;
    // validate is const for the line edit; telling about a refusal changes nothing in it.
    emit const_cast<QtCp932Validator*>(this)->refused();
    return Acceptable;
}

} // namespace vestra
