#include "hosts/win32/Win32Host.h"
#include "window/FrmEuro.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    return win32host::start(instance, showCommand, window::program);
}
