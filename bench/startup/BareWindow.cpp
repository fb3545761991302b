// The reference for the start-up benchmark: a bare Qt window of the same
// size, with nothing in it.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(410, 319);
    window.show();
    return QApplication::exec();
}
