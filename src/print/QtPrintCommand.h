#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "print/PrintOptions.h"
#include "print/QtPrintPlace.h"

class QWidget;

namespace vestra {

// The main window's Print command: checks that the destination can be used, then opens the
// print menu modally over owner. The menu changes settings (the two remembered choices, which
// the caller writes to the settings file at exit, and the report switches) and the
// destination, which stays in use for the next command: the caller keeps both for the whole run.
void RunPrintCommand(QWidget* owner, const DataStore& store, TemperatureUnit unit,
                     PrintSettings& settings, const QtPrintPlace& place, MessageSink& messages);

} // namespace vestra
