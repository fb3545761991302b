#include "BoxButtonAccessible.h"

#include <QKeySequence>
#include <QRegularExpression>

namespace qthost {

namespace {

// "&O" marks O as the access key; "&&" is a plain '&'.
QString withoutAccessKeyMark(QString caption)
{
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    return caption.replace(mark, QStringLiteral("\\1"));
}

} // namespace

BoxButtonAccessible::BoxButtonAccessible(QPushButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QPushButton* BoxButtonAccessible::button() const
{
    return static_cast<QPushButton*>(widget());
}

QString BoxButtonAccessible::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Name:
        if (button()->accessibleName().isEmpty())
            return withoutAccessKeyMark(button()->text());
        break;
    case QAccessible::Accelerator:
        return button()->shortcut().toString(QKeySequence::NativeText);
    default:
        break;
    }
    return QAccessibleWidget::text(kind);
}

QAccessible::State BoxButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    // The state, not a key, tells that Enter presses it.
    state.defaultButton = button()->isDefault();
    return state;
}

QStringList BoxButtonAccessible::actionNames() const
{
    QStringList names;
    if (button()->isEnabled())
        names << pressAction();
    return names << QAccessibleWidget::actionNames();
}

void BoxButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && button()->isEnabled())
        button()->animateClick();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList BoxButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() && !button()->shortcut().isEmpty())
        return {button()->shortcut().toString()};
    return {};
}

} // namespace qthost
