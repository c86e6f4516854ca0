#include "print/PrintCommand.h"

#include "print/PrinterCheck.h"
#include "print/frmPrnMenu.h"

namespace vestra {

void RunPrintCommand(QWidget* owner, const DataStore& store, const TemperatureUnit& unit,
                     PrintSettings& settings, QPrinter& printer, MessageSink& messages) {
    if (!CheckPrinter(printer, messages)) {
        return;
    }
    frmPrnMenu menu({store.currentData, unit, settings, printer, messages}, owner);
    menu.exec();
}

} // namespace vestra
