#include "data/AnnotationRules.h"

#include "base/TextCodec.h"

namespace vestra {
namespace {

// The subject, target or measurer field for a const or a writable store; null for a remark,
// which each caller looks up by its row.
template <class Store> auto* headerField(Store& store, Annotation which) {
    auto& data = store.currentData;
    switch (which) {
    case Annotation::Subject:
        return &data.subject;
    case Annotation::Target:
        return &data.group(store.currentGroup).target;
    case Annotation::Measurer:
        return &data.group(store.currentGroup).measurer;
    case Annotation::Remark:
        break;
    }
    return static_cast<decltype(&data.subject)>(nullptr);
}

std::string& storedField(DataStore& store, Annotation which, int remarkRow) {
    if (std::string* field = headerField(store, which)) {
        return *field;
    }
    GroupSetting& g = store.currentData.group(store.currentGroup);
    auto row = static_cast<std::size_t>(remarkRow);
    if (g.remarks.size() < row) {
        g.remarks.resize(row);
    }
    return g.remarks.at(row - 1);
}

} // namespace

std::size_t AnnotationByteLimit(Annotation which) {
    switch (which) {
    case Annotation::Subject:
        return kSubjectBytes;
    case Annotation::Target:
        return kTargetBytes;
    case Annotation::Measurer:
        return kMeasurerBytes;
    case Annotation::Remark:
        break;
    }
    return kRemarkBytes;
}

int AnnotationTypingLimit(Annotation which) {
    return static_cast<int>(AnnotationByteLimit(which));
}

bool IsAnnotationEditable(const DataStore& store, Annotation which, int remarkRow) {
    if (!store.hasData) {
        return false;
    }
    if (which == Annotation::Subject) {
        return store.currentGroup == 0;
    }
    if (store.currentGroup < 1 || store.currentGroup > kGroupCount) {
        return false;
    }
    const GroupSetting& g = store.currentData.group(store.currentGroup);
    if (which != Annotation::Remark) {
        return g.recordCount > 0;
    }
    return remarkRow >= 1 && remarkRow <= g.recordCount;
}

AnnotationCommit CommitAnnotation(std::string_view typed, std::string_view stored,
                                  Annotation which) {
    AnnotationCommit commit;
    commit.text = FitCp932(typed, AnnotationByteLimit(which));
    commit.changed = commit.text != stored;
    return commit;
}

const std::string& StoredAnnotation(const DataStore& store, Annotation which, int remarkRow) {
    static const std::string kEmpty;
    if (const std::string* field = headerField(store, which)) {
        return *field;
    }
    const auto& remarks = store.currentData.group(store.currentGroup).remarks;
    auto row = static_cast<std::size_t>(remarkRow);
    return row >= 1 && row <= remarks.size() ? remarks[row - 1] : kEmpty;
}

std::string StoreAnnotation(DataStore& store, Annotation which, std::string_view typed,
                            int remarkRow) {
    AnnotationCommit commit =
        CommitAnnotation(typed, StoredAnnotation(store, which, remarkRow), which);
    if (commit.changed) {
        storedField(store, which, remarkRow) = commit.text;
        store.modified = true;
    }
    return commit.text;
}

bool IsTypableAnnotation(std::string_view typed) {
    return IsCp932Representable(typed);
}

} // namespace vestra
