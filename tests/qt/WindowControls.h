#pragma once

#include "hosts/qt/MainWindow.h"

#include <QString>
#include <QWidget>

// The named control of a window; a test that names a missing control is
// itself wrong, so it stops there.
inline QWidget* requireControl(const qthost::MainWindow& window, const QString& name)
{
    QWidget* widget = window.control(name.toStdString());
    if (!widget)
        qFatal("no control named %s", qPrintable(name));
    return widget;
}
