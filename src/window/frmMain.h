#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/AnnotationRules.h"
#include "data/DataSet.h"
#include "window/WindowPlacement.h"

#include <QMainWindow>
#include <array>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace vestra {

class QtGridTable;

// The settings the main window reads at start and changes while it runs; whoever owns the
// settings file writes them back after the window has closed.
struct MainWindowSettings {
    int portNumber = 1;        // serial port COM1 to COM16
    bool askModelType = false; // ask for the thermometer type at every start
    // Where the window stood when it last closed; without it the window opens at the size its
    // panels need.
    std::optional<WindowPlacement> placement;
};

// The main window: group tree, overview and group panels with their tables and annotation
// boxes, menus, toolbar and status bar. Commands that belong to other parts of the program
// (files, printing, help, the thermometer) are announced by signals after any edit in progress
// has been stored; whoever carries them out reports back through commitLoadedData,
// updateFileCommands and refreshViews.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(DataStore& store, TemperatureUnit unit, MainWindowSettings& settings,
            MessageSink& messages, QWidget* parent = nullptr);

    DataStore& store() { return store_; }
    const TemperatureUnit& unit() const { return unit_; }
    int portNumber() const { return settings_.portNumber; }
    // Shown as the status tip of a port's menu item (for example the device it stands for).
    void setPortDescription(int portNumber, const QString& description);
    // The room beside the panels, empty and without width at the panels' own size; whatever
    // is put into it (the chart) takes what the window has beyond the panels.
    QWidget* chartArea() const { return chartArea_; }

public slots:
    // Stores the subject, target, measurer and remark being edited.
    void commitPendingEdits();
    // Save and Print are usable once there is data.
    void updateFileCommands();
    // Shows the selected tree node again with what currentData now holds.
    void refreshViews();
    // After a successful import (fresh) or file open has filled importBuffer: makes it the
    // shown data, refreshes the views, sets whether it counts as unsaved, updates the file
    // commands and clears the staged readings.
    void commitLoadedData(bool fresh);
    // Asks "...よろしいですか?" when unsaved data is shown; false when the user says No.
    bool confirmDiscardUnsaved();
    // Shows the overview (0) or group 1 to 15, as a click on its tree node does.
    void selectNode(int group);

    void mnuCommPort_Click(int index);
    void mnuChangeDI_Click();
    void startRemarkEdit();
    void commitRemark(bool focusTable);
    void cancelRemarkEdit();
    // Makes reading no the detail table's current row, as when it was chosen in the chart;
    // focusTable moves the focus there, the only place the row shows as current.
    void chooseReading(int no, bool focusTable);
    // The data file the shown data was read from or last saved to (empty for data straight
    // from the thermometer), named in the title.
    void setDataFile(const std::string& path);
    const std::string& dataFileName() const { return dataFileName_; }
    // Shows in the title whether the data holds unsaved changes.
    void refreshTitle();
    // Names a file just written in the status bar's note panel, until the next note.
    void noteWritten(const QString& note, const QString& path);
    // Widens the window by the chart's room beside the panels (within the screen), or narrows
    // it back to the panels' own width.
    void showChart(bool show);
    // Whether the room beside the panels is wide enough for the chart to be read.
    bool chartShown() const;

signals:
    void openRequested();
    void saveRequested();
    void printRequested();
    void importRequested();
    void clockRequested();
    void settingsRequested();
    void clearMemoryRequested();
    void resetDeviceRequested();
    void portChosen(int portNumber);
    void helpRequested();
    void aboutRequested();
    // After the overview (0) or group g has been shown, with new data or not.
    void nodeShown(int group);
    // The detail table's current row moved to reading no (a row without a reading too).
    void currentReadingChanged(int no);
    void historyRequested();
    // An import (fresh) or a file open has become the shown data.
    void dataCommitted(bool fresh);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // frmMainMenus.cpp
    void buildMenus();
    QMenu* buildFileMenu();
    QMenu* buildCommMenu();
    void buildOtherMenus();
    void buildToolbar();
    void buildStatusBar();
    void applyModelTypeSetting();
    void runCommand(void (frmMain::*signal)());

    // frmMainPanels.cpp
    void buildPanels();
    QWidget* buildOverviewPanel();
    QWidget* buildGroupPanel();
    QWidget* buildUnitFrame();
    void buildGroupTree();
    void nodeClicked(QTreeWidgetItem* node);
    void showSummary();
    void showGroup(int g);
    void resetSummaryTable();
    void resetDetailTable();

    // frmMainLayout.cpp
    void reserveRoomForBothPanels();
    void applyPlacement();
    void rememberPlacement();

    // frmMainEditors.cpp
    void setUpEditors();
    QLineEdit* boxFor(Annotation which) const;
    void commitBox(Annotation which);
    void revertBox(Annotation which);
    bool handleBoxEvent(Annotation which, QEvent* event);
    bool handleRemarkKey(QEvent* event);
    void noteIfFull(QLineEdit* box, QEvent* event);
    void noteRefusedInput(const QString& note);
    void showNote(const QString& note);
    void moveAfterRemark(int step);

    void startUp();

    DataStore& store_;
    TemperatureUnit unit_;
    MainWindowSettings& settings_;
    MessageSink& messages_;
    bool remarkOpen_ = false;
    int remarkRow_ = 0; // the reading whose remark is being edited
    std::string dataFileName_;

    QAction* mnuSave_ = nullptr;
    QAction* mnuPrint_ = nullptr;
    QAction* tbrSave_ = nullptr;
    QAction* tbrPrint_ = nullptr;
    QAction* mnuChart_ = nullptr;
    QAction* tbrChart_ = nullptr;
    QMenu* mnuChange_ = nullptr;
    QAction* mnuChangeDI_ = nullptr;
    std::array<QAction*, 16> mnuCommPort_{};
    QLabel* portPanel_ = nullptr;
    QLabel* memoryPanel_ = nullptr;
    QLabel* notePanel_ = nullptr;
    QTimer* noteTimer_ = nullptr;

    QTreeWidget* tvwGroup_ = nullptr;
    QGroupBox* fraAll_ = nullptr;
    QGroupBox* fraGrp_ = nullptr;
    QLineEdit* txtInfo_ = nullptr;
    QLabel* lblVESTRA_ = nullptr;
    QLabel* lblTime_ = nullptr;
    QtGridTable* vsfgAll_ = nullptr;
    QLineEdit* txtTarget_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QLabel* lblTag_ = nullptr;
    QLabel* lblEP_ = nullptr;
    QLabel* lblArmH_ = nullptr;
    QLabel* lblArmL_ = nullptr;
    QLabel* lblNum_ = nullptr;
    QLabel* lblMax_ = nullptr;
    QLabel* lblMin_ = nullptr;
    QLabel* lblAve_ = nullptr;
    QtGridTable* vsfgGrp_ = nullptr;
    QLineEdit* txtEdit_ = nullptr;
    QLabel* lblUnit_ = nullptr;
    QWidget* chartArea_ = nullptr;
};

} // namespace vestra
