#include "QtHost.h"

#include "hosts/qt/BoxButtonAccessible.h"
#include "hosts/qt/QtResources.h"
#include "hosts/qt/QtText.h"
#include "hosts/qt/desktop/Desktop.h"
#include "runtime/StartFailure.h"
#include "runtime/WindowContract.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

namespace qthost {

namespace {

// Runs a task once the widget has shown its first frame: on the first paint
// it queues a zero timer, which fires after the paint has been flushed.
class AfterFirstFrame final : public QObject {
public:
    AfterFirstFrame(QWidget* widget, std::function<void()> task)
        : QObject(widget)
        , task_(std::move(task))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                task_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> task_;
};

// A screen reader's where-am-I on OK reads the prompt again.  The prompt's
// label names OK as its buddy, so that it is no longer read as the box's own
// text as well: said once as the box opens.  A buddy turns an '&' into a
// mnemonic mark, shown and copied wrong, so a prompt with one keeps a plain
// label and is heard twice.
void letScreenReadersRepeat(QMessageBox& box)
{
    const QString prompt = box.text();
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->setAccessibleDescription(prompt);
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label && !prompt.contains(u'&'))
        label->setBuddy(ok);
}

QAccessibleInterface* boxButtonAccessible(const QString& /*className*/, QObject* object)
{
    auto* button = qobject_cast<QPushButton*>(object);
    if (button && qobject_cast<QMessageBox*>(button->window()))
        return new BoxButtonAccessible(button);
    return nullptr;
}

} // namespace

QtHost::QtHost(const runtime::ProgramDescriptor& program)
    : window_(runtime::checkedDescriptor(program).definition, program.clickBindings, *this)
    , announcer_(new Announcer(&window_))
    , fields_(program.definition, [this](std::string_view name) {
        return qobject_cast<QLineEdit*>(window_.control(name));
    })
{
    QAccessible::installFactory(boxButtonAccessible); // installed once however often called
    iconResourceFiles(program.icon);                  // a missing icon fails here, not later
    // Nothing shows the icon in the first frame, and reading its images
    // loads the image plugins and decodes three PNG files, so it comes after.
    // The application takes it too, for the message box.
    new AfterFirstFrame(&window_, [this, icon = std::string(program.icon)] {
        window_.setWindowIcon(iconResource(icon));
        QApplication::setWindowIcon(window_.windowIcon());
    });
}

runtime::FieldText QtHost::fieldText(std::string_view field)
{
    return fields_.require(field)->text().toStdU16String();
}

void QtHost::setFieldText(std::string_view field, std::u16string_view text)
{
    QLineEdit* edit = fields_.require(field);
    edit->setText(toQString(text));
    // Show a written text from its first character, sign and leading digits
    // included; setText leaves the cursor, and so the view, at the end.
    edit->setCursorPosition(0);
}

void QtHost::showMessage(std::u16string_view prompt)
{
    const QPointer<QWidget> focus = window_.focusWidget();

    QMessageBox box(QMessageBox::NoIcon, window_.windowTitle(), toQString(prompt), QMessageBox::Ok,
                    &window_);
    box.setTextFormat(Qt::PlainText);
    // Some styles give dialog buttons a stock icon; the box shows none.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    letScreenReadersRepeat(box);
    Desktop::running().fitBox(box, window_);
    box.exec();
    if (focus)
        focus->setFocus();
}

void QtHost::announce(std::u16string_view sentence)
{
    announcer_->announce(toQString(sentence));
}

void QtHost::end()
{
    // Closing the only window ends the event loop, and start() returns 0.
    window_.close();
}

int start(int argc, char* argv[], const runtime::ProgramDescriptor& program)
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(toQString(program.version));
    QApplication::setDesktopFileName(toQString(program.applicationId));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(true);

    try {
        QtHost host(program);
        host.window().centreOnScreen();
        host.window().show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, toQString(program.definition.title),
                              toQString(runtime::reportStartFailure(error.what())));
        return EXIT_FAILURE;
    }
}

} // namespace qthost
