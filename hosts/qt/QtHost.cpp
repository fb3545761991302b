#include "QtHost.h"

#include "hosts/qt/CaptionRow.h"
#include "hosts/qt/QtResources.h"
#include "hosts/qt/QtText.h"
#include "hosts/qt/WaylandToplevel.h"
#include "hosts/qt/WindowStateKeeper.h"
#include "hosts/qt/X11Desktop.h"
#include "runtime/ClickDispatch.h"
#include "runtime/MessageText.h"
#include "runtime/WindowContract.h"

#include <QAbstractButton>
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
#include <QWindow>

#include <cstdio>
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

// A click on the window behind the box gives it the keyboard on some
// desktops (sway, GNOME), where every key is lost while the box is open.
// sway turns a request to activate the box into a hint, and mutter often
// refuses it as older than the click, but each gives a newly shown window
// the keyboard: the box shows itself anew.  X11 window managers keep the
// keyboard on a modal box themselves.
void keepKeyboardOnBox(QMessageBox& box, const QWindow* main)
{
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &box,
                     [&box, main](QWindow* focused) {
                         if (focused && focused == main)
                             QTimer::singleShot(0, &box, [&box] {
                                 if (box.windowHandle())
                                     showAgain(*box.windowHandle());
                             });
                     });
}

} // namespace

QtHost::QtHost(const runtime::ProgramDescriptor& program)
    : window_(program.window)
    , announcer_(new Announcer(&window_))
    , fields_(program.window, [this](std::string_view name) {
        return qobject_cast<QLineEdit*>(window_.control(name));
    })
{
    runtime::checkDescriptor(program);
    keepOwnSizeWhenTiled(window_);
    iconResourceFiles(program.icon); // a missing icon fails here, not later
    // Nothing shows the icon in the first frame, and reading its images
    // loads the image plugins and decodes three PNG files, so it comes after.
    // The application takes it too, for the message box.
    new AfterFirstFrame(&window_, [this, icon = std::string(program.icon)] {
        window_.setWindowIcon(iconResource(icon));
        QApplication::setWindowIcon(window_.windowIcon());
    });
    for (const runtime::ClickBinding& binding : program.clickBindings) {
        auto* button = qobject_cast<QAbstractButton*>(window_.control(binding.control));
        QObject::connect(
            button, &QAbstractButton::clicked, &window_,
            [this, handler = binding.handler] { runtime::deliverClick(*this, handler); });
    }
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
    new WindowStateKeeper(&box);
    if (onWayland()) {
        if (needsOwnCaption())
            giveOwnCaption(box);
        keepKeyboardOnBox(box, window_.windowHandle());
        // Shown modal before the event loop paints it, so that mutter hears
        // it is modal before it places it; exec() finds it shown.  (Modal as
        // exec() makes it: QMessageBox::setWindowModality resets the flags.)
        box.setAttribute(Qt::WA_ShowModal);
        box.show();
        advertiseModal(*box.windowHandle());
    } else {
        keepX11FocusOnBox(box);
    }
    box.exec();

    // Without a window manager nothing hands the keyboard back to the window.
    // A Wayland compositor gives it back to the box's parent itself, and
    // Qt 6.4's activation request reads the surface of whichever window
    // last had the keyboard, which may be the box's, gone by now.
    if (!onWayland())
        window_.activateWindow();
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
        // A terminal shows the line, a desktop launch the box.
        const std::string report = runtime::messages::startFailed(error.what());
        std::fputs((report + '\n').c_str(), stderr);
        QMessageBox::critical(nullptr, toQString(program.window.title), toQString(report));
        return EXIT_FAILURE;
    }
}

} // namespace qthost
