# The Open and Save commands of the main window, with the file dialogs answered by the test.
vestra_add_window_tests(vestra_file_command_tests session/FileCommandHandlerTest.cpp file_commands)
vestra_add_window_tests(vestra_help_window_tests session/HelpWindowTest.cpp help_window)
