#pragma once

#include <string>

namespace vestra {

class QtAppSession;
class QtFileCommandHandler;

// Each connects one group of the main window's commands to the code that carries them out.
// The application connects every group once, right after the session is made.
QtFileCommandHandler* ConnectFileCommands(QtAppSession& session);
void ConnectPrintCommand(QtAppSession& session);
void ConnectHelpCommands(QtAppSession& session);
void ConnectDeviceCommands(QtAppSession& session);
// The chart beside the main window's panels, with its saving as a picture.
void ConnectChartCommands(QtAppSession& session);
// Every import, open and save goes into the history; its window opens a reading's source file
// through the file commands.
void ConnectHistory(QtAppSession& session, QtFileCommandHandler& files);

// Every group above, as the application connects them.
void ConnectAllCommands(QtAppSession& session);

// Opens a data file named on the command line as the Open command would, once the file
// commands are connected. A relative name is taken from the current folder.
void OpenGivenFile(QtAppSession& session, const std::string& path);

} // namespace vestra
