#include "session/QtChartPanel.h"

#include "chart/ChartFileName.h"
#include "chart/QtChartSave.h"
#include "chart/QtChartView.h"
#include "window/frmMain.h"

#include <QLayout>

namespace vestra::chart {

QtChartView* InstallChart(frmMain& window, FileDialogs& dialogs, OutputPlace& outputs,
                          MessageSink& messages) {
    auto* view = new QtChartView;
    window.chartArea()->layout()->addWidget(view);
    auto show = [&window, view](int g) {
        if (g == 0) {
            view->showOverview(window.store().currentData);
        } else {
            view->showGroup(window.store().currentData, g, window.unit());
        }
    };
    QObject::connect(&window, &frmMain::nodeShown, view, show);
    show(window.store().currentGroup);
    QObject::connect(&window, &frmMain::currentReadingChanged, view, &QtChartView::selectReading);
    QObject::connect(view, &QtChartView::readingChosen, &window,
                     [&window, view](int no) { window.chooseReading(no, !view->hasFocus()); });
    QObject::connect(view, &QtChartView::groupChosen, &window, &frmMain::selectNode);
    QObject::connect(view, &QtChartView::saveRequested, &window,
                     [&window, view, &dialogs, &outputs, &messages](ChartFormat format) {
                         window.commitPendingEdits();
                         const DataStore& store = window.store();
                         std::string name = ChartFileName(store.currentData, store.currentGroup,
                                                          window.dataFileName());
                         if (auto path = SaveChartAs(view->drawing(), format, dialogs,
                                                     outputs.startFolder(), name, messages)) {
                             outputs.written(*path);
                         }
                     });
    return view;
}

} // namespace vestra::chart
