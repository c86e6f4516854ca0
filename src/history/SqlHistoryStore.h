#pragma once

#include "base/TemperatureUnit.h"
#include "history/HistoryStore.h"
#include "history/SqlConnection.h"

#include <memory>
#include <optional>

namespace vestra::history {

// The history over either SQL back end; the statements are the same for both.
class SqlHistoryStore : public HistoryStore {
public:
    // The connection's schema must be prepared (PrepareSchema).
    explicit SqlHistoryStore(std::unique_ptr<SqlConnection> connection);

    Expected<AddOutcome> add(const DataSet& data, TemperatureUnit unit,
                             const std::string& sourceFile) override;
    Expected<std::vector<TagSummary>> tags() override;
    Expected<std::vector<HistoryReading>> readings(const HistoryQuery& query) override;
    Expected<std::string> revision() override;
    Expected<std::vector<HistoryReading>> newestReadings(int groupsPerLine) override;
    Expected<DataSetPage> dataSets(long long offset, long long limit) override;
    Expected<std::optional<StoredDataSet>> dataSet(long long id) override;

private:
    AddOutcome store(const DataSet& data, TemperatureUnit unit, const std::string& sourceFile);
    std::optional<std::string> storedId(const std::string& hash);
    // Empty when the data set was stored meanwhile by another program.
    std::optional<std::string> insertDataSet(const DataSet& data, TemperatureUnit unit,
                                             const std::string& sourceFile,
                                             const std::string& hash);
    void insertGroups(const std::string& id, const DataSet& data, TemperatureUnit unit);
    void insertReadings(const std::string& id, const DataSet& data);
    bool updateAnnotations(const std::string& id, const DataSet& data,
                           const std::string& sourceFile);
    bool updateGroupAnnotations(const std::string& id, const DataSet& data);
    bool updateRemarks(const std::string& id, const DataSet& data);
    void checkReadingCounts();
    std::vector<TagSummary> readTags();
    DataSetPage readDataSets(long long offset, long long limit);
    std::optional<StoredDataSet> readDataSet(long long id);

    std::unique_ptr<SqlConnection> connection_;
};

} // namespace vestra::history
