#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <algorithm>

ModalWatcher::ModalWatcher()
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start(10);
}

namespace {

QStringList okKeys(QAbstractButton* ok)
{
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(ok); // null for no OK
    if (!button)
        return {};
    QStringList keys(button->text(QAccessible::Accelerator));
    for (const QString& action : button->actionInterface()->actionNames())
        keys << button->actionInterface()->keyBindingsForAction(action);
    keys.removeAll(QString());
    return keys;
}

} // namespace

void ModalWatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;

    const QList<QAbstractButton*> buttons = box->buttons();
    const bool plainButtons = std::none_of(buttons.begin(), buttons.end(), [](const auto* button) {
        return !button->icon().isNull();
    });
    const bool plainOkBox = box->isModal() && box->textFormat() == Qt::PlainText && plainButtons &&
                            buttons.size() == 1 &&
                            box->standardButton(buttons.front()) == QMessageBox::Ok;
    seen << SeenBox{box->text(),         box->windowTitle(), box->icon(),
                    int(buttons.size()), plainOkBox,         okKeys(box->button(QMessageBox::Ok))};

    QTest::keyClick(box, Qt::Key_Return);
}
