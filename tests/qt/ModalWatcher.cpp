#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

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

    SeenBox info;
    info.text = box->text();
    info.title = box->windowTitle();
    info.icon = box->icon();
    info.textFormat = box->textFormat();
    info.modal = box->isModal();
    const QList<QAbstractButton*> buttons = box->buttons();
    info.buttonCount = static_cast<int>(buttons.size());
    info.okButtonOnly =
        buttons.size() == 1 && box->standardButton(buttons.front()) == QMessageBox::Ok;
    for (const QAbstractButton* button : buttons)
        info.buttonsHaveIcons = info.buttonsHaveIcons || !button->icon().isNull();
    seen << info;

    QTest::keyClick(box, Qt::Key_Return);
}
