#pragma once

#include "base/MessageSink.h"
#include "history/HistoryStore.h"

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vestra {

class QtTrendView;

// The history window: choose a tag or an object, see all its readings across data sets with
// their source and their trend, export them as CSV; a double-click on a reading asks for its source
// file to be opened. Without a history (no store) it shows why and offers nothing.
class frmHistory : public QDialog {
    Q_OBJECT
public:
    frmHistory(Expected<history::HistoryStore*> store, TemperatureUnit unit, MessageSink& messages,
               QWidget* parent = nullptr);

    // The readings shown, for the export and the chart.
    const std::vector<history::HistoryReading>& readings() const { return readings_; }

    // Shows the readings of the entry at index of the choice list.
    void choose(int index);
    // Writes the shown readings as CSV to path; false after "File Save Error !".
    bool exportCsv(const std::string& path);
    // Where the export's dialog starts; the documents folder until set.
    void setOutputFolder(const std::string& folder) { outputFolder_ = folder; }

signals:
    void openFileRequested(const QString& path);
    void fileWritten(const std::string& path);

private:
    void buildLayout();
    void fillChoices();
    void fillTable();
    void showFailure(const std::string& reason);
    void askExport();
    void rowActivated(int row);

    history::HistoryStore* store_;
    TemperatureUnit unit_;
    MessageSink& messages_;
    std::string outputFolder_;
    std::vector<history::HistoryQuery> choices_;
    std::vector<history::HistoryReading> readings_;
    QComboBox* cboKey_ = nullptr;
    QTableWidget* vsfgHistory_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    QtTrendView* trend_ = nullptr;
};

} // namespace vestra
