// Program entry of lumetra.exe.
#include "app/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runLumetra(instance, showCommand);
}
