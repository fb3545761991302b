#pragma once

#include <QObject>
#include <QString>

namespace qthost {

// Speaks a sentence through the screen reader without taking the focus or
// showing anything: an object the screen reader sees as a notification,
// outside the window's list of controls, that says it has just been shown.
class Announcer final : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QObject* window);

    void announce(const QString& sentence);
    const QString& sentence() const { return sentence_; }

private:
    QString sentence_;
};

} // namespace qthost
