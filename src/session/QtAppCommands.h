#pragma once

#include <string>

namespace vestra {

class AppSession;
class FileCommandHandler;

// Each connects one group of the main window's commands to the code that carries them out.
// The application connects every group once, right after the session is made.
FileCommandHandler* ConnectFileCommands(AppSession& session);
void ConnectPrintCommand(AppSession& session);
void ConnectHelpCommands(AppSession& session);
void ConnectDeviceCommands(AppSession& session);
// The chart beside the main window's panels, with its saving as a picture.
void ConnectChartCommands(AppSession& session);
// Every import, open and save goes into the history; its window opens a reading's source file
// through the file commands.
void ConnectHistory(AppSession& session, FileCommandHandler& files);

// Every group above, as the application connects them.
void ConnectAllCommands(AppSession& session);

// Opens a data file named on the command line as the Open command would, once the file
// commands are connected. A relative name is taken from the current folder.
void OpenGivenFile(AppSession& session, const std::string& path);

} // namespace vestra
