#include "hosts/qt/QtHost.h"
#include "window/FrmEuro.h"

int main(int argc, char* argv[])
{
    return qthost::start(argc, argv, window::program);
}
