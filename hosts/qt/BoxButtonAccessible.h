#pragma once

#include <QAccessibleWidget>
#include <QPushButton>

namespace qthost {

// What a screen reader reads of a message box's button: a push button
// whose only key is the access key its caption marks.  Qt names Enter as
// the default button's key, which reaches AT-SPI as the key of the button's
// focus action, and a screen reader that takes the first key it finds for
// a mnemonic (Orca 48) reads out "r".  Qt's own button interface is not
// exported, so this one is written out.
class BoxButtonAccessible final : public QAccessibleWidget {
public:
    explicit BoxButtonAccessible(QPushButton* button);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPushButton* button() const;
};

} // namespace qthost
