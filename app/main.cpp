// Program entry of lumetra.exe: with arguments one command for a script,
// without them the window.
#include "app/main_window.h"
#include "cli/command_line.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (commandLineGiven()) {
        return runCommandLine();
    }
    return runLumetra(instance, showCommand);
}
