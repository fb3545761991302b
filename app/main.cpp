#include "runtime/QtHost.h"
#include "window/FrmEuro.h"

int main(int argc, char* argv[])
{
    return runtime::start(argc, argv, window::project);
}
