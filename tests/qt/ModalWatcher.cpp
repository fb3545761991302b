#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <algorithm>

ModalWatcher::ModalWatcher()
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start(10);
}

void ModalWatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;

    const QList<QAbstractButton*> buttons = box->buttons();
    const bool plainButtons = std::none_of(buttons.begin(), buttons.end(), [](const auto* button) {
        return !button->icon().isNull();
    });
    seen << SeenBox{box->text(), box->windowTitle(), box->icon(), int(buttons.size()),
                    box->isModal() && box->textFormat() == Qt::PlainText && plainButtons &&
                        buttons.size() == 1 &&
                        box->standardButton(buttons.front()) == QMessageBox::Ok};

    QTest::keyClick(box, Qt::Key_Return);
}
