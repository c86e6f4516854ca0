#include "data/QtCp932Validator.h"

#include "data/AnnotationRules.h"

namespace vestra {

QValidator::State Cp932Validator::validate(QString& input, int&) const {
    return IsTypableAnnotation(input.toStdString()) ? Acceptable : Invalid;
}

} // namespace vestra
