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

    bool add(const DataSet& data, TemperatureUnit unit, const std::string& sourceFile,
             AddOutcome& outcome, std::string& reason) override;
    bool tags(std::vector<TagSummary>& tags, std::string& reason) override;
    bool readings(const HistoryQuery& query, std::vector<HistoryReading>& readings,
                  std::string& reason) override;
    bool revision(std::string& revision, std::string& reason) override;
    bool newestReadings(int groupsPerLine, std::vector<HistoryReading>& readings,
                        std::string& reason) override;
    bool dataSets(long long offset, long long limit, std::vector<DataSetSummary>& list,
                  long long& total, std::string& reason) override;
    bool dataSet(long long id, StoredDataSet& stored, bool& found, std::string& reason) override;

private:
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

    std::unique_ptr<SqlConnection> connection_;
};

} // namespace vestra::history
