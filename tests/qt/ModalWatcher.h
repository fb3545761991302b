#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

// Watches for the application's modal message box while a test waits on a
// click, records what it shows, and closes it with Enter, so a test can
// check a box without blocking in its nested event loop.
class ModalWatcher : public QObject {
    Q_OBJECT

public:
    struct SeenBox {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        // Modal, its text plain, OK its one button, and no button icons.
        bool plainOkBox = false;
        // Every key a screen reader is told of for OK.
        QStringList okKeys;
    };

    ModalWatcher();

    QList<SeenBox> seen;

private:
    void poll();

    QTimer timer_;
};
