#pragma once

#include "base/MessageSink.h"
#include "base/Settings.h"
#include "base/SettingsDocument.h"
#include "start/HandOver.h"

#include <optional>
#include <string>

namespace vestra {

// Shows "すでに起動されています。" when another instance holds the lock; true then, and the
// new instance is to end without touching the running one.
bool RefuseSecondInstance(bool lockAcquired, MessageSink& messages);

// Tells that the settings folder cannot hold the lock, so this run's settings are not saved.
void ShowSettingsNotSaved(MessageSink& messages);

// Tells that later starts cannot hand their files to this run, and why.
void ShowNoHandOver(const HandOverFault& fault, MessageSink& messages);

// Shows the start-up form: the question about the thermometer type, or the stored type for two
// seconds. On OK the chosen type and the "do not ask again" box go into settings; false when
// the form was closed without OK. A data file given to open decides the type instead (fileUnit):
// the form then shows that type for two seconds whatever the question setting, which it keeps.
bool SettleModelType(Settings& settings,
                     const std::optional<TemperatureUnit>& fileUnit = std::nullopt);

// What a run starts from: the settings file as read, and the settings taken from it with the
// start-up form's answer.
struct StartedRun {
    SettingsDocument document;
    Settings settings;
};

// Everything that happens before the main window opens, in order: the single-instance check,
// reading or creating the settings file, the start-up form. Nothing when the program is to end
// here; no settings have been written then beyond a first run's default file.
std::optional<StartedRun> StartUp(const std::string& settingsFile, bool lockAcquired,
                                  MessageSink& messages,
                                  const std::optional<TemperatureUnit>& fileUnit = std::nullopt);

} // namespace vestra
