// The references for the start-up benchmark: a bare Qt window of the
// program's size with nothing in it, and, built with WITH_TEXT, the same
// window with one line of text, the least that loads the font machinery.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(410, 319);
#ifdef WITH_TEXT
    new QLabel(QStringLiteral("Dur Azor Uvuridaro"), &window);
#endif
    window.show();
    return QApplication::exec();
}
