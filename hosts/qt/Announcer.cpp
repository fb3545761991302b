#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleObject>

namespace qthost {

namespace {

class AnnouncementAccessible final : public QAccessibleObject {
public:
    explicit AnnouncementAccessible(Announcer* announcer)
        : QAccessibleObject(announcer)
    {
    }

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<Announcer*>(object())->sentence()
                                         : QString();
    }
};

QAccessibleInterface* announcementAccessible(const QString& /*className*/, QObject* object)
{
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new AnnouncementAccessible(announcer);
    return nullptr;
}

} // namespace

Announcer::Announcer(QObject* window)
    : QObject(window)
{
    QAccessible::installFactory(announcementAccessible); // installed once however often called
}

void Announcer::announce(const QString& sentence)
{
    sentence_ = sentence;
    // A screen reader may keep the name it last read.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace qthost
