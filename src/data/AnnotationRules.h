#pragma once

#include "data/DataSet.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vestra {

// The four texts the user types into the main window.
enum class Annotation { Subject, Target, Measurer, Remark };

// Byte limit in code page 932 under which the text is stored.
std::size_t AnnotationByteLimit(Annotation which);
// Characters a box accepts while typing; full-width text can thus exceed the byte limit
// until it is committed and cut.
int AnnotationTypingLimit(Annotation which);

// True when the text the user shows can be stored: the overview or the group is on display and
// holds data, and for a remark its row holds a reading. A box that shows a placeholder is never
// editable, so a placeholder never becomes data.
bool IsAnnotationEditable(const DataStore& store, Annotation which, int remarkRow = 0);

struct AnnotationCommit {
    std::string text; // the box text cut to its byte limit, to be written back into the box
    bool changed = false;
};
// Cuts the typed text to its limit and compares it with the stored value, character by
// character and case-sensitively.
AnnotationCommit CommitAnnotation(std::string_view typed, std::string_view stored,
                                  Annotation which);

// The stored value of an annotation of the shown group (or the subject); remarkRow is the
// 1-based reading for a remark.
const std::string& StoredAnnotation(const DataStore& store, Annotation which, int remarkRow = 0);
// Stores the text and marks the data modified when it differs from what is stored. Returns the
// text as stored (cut to its limit). The caller has checked IsAnnotationEditable.
std::string StoreAnnotation(DataStore& store, Annotation which, std::string_view typed,
                            int remarkRow = 0);

// True when the typed text may enter a box: every character has a code page 932 form, so what
// is shown is what gets saved.
bool IsTypableAnnotation(std::string_view typed);

} // namespace vestra
