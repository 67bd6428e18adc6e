#pragma once
// Starts the editor window: the application object's start-up, the main window's
// life and shutdown. Returns the process exit status.
int RunEditor(int argc, char** argv);
