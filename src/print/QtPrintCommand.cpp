#include "print/QtPrintCommand.h"

#include "print/QtPrinterCheck.h"
#include "print/frmPrnMenu.h"

namespace vestra {

void RunPrintCommand(QWidget* owner, const DataStore& store, TemperatureUnit unit,
                     PrintSettings& settings, const QtPrintPlace& place, MessageSink& messages) {
    if (!CheckPrinter(place.destination, place.system, messages)) {
        return;
    }
    frmPrnMenu menu({store.currentData, unit, settings, place, messages}, owner);
    menu.exec();
}

} // namespace vestra
