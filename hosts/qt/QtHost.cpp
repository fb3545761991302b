#include "QtHost.h"

#include "hosts/qt/OwnCaption.h"
#include "hosts/qt/QtResources.h"
#include "hosts/qt/QtText.h"
#include "hosts/qt/WindowStateKeeper.h"
#include "runtime/ClickDispatch.h"
#include "runtime/FormContract.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace qthost {

namespace {

QLineEdit* findField(const FormWindow& window, const runtime::FormDefinition& form,
                     std::string_view field)
{
    const runtime::ControlDefinition& row = runtime::requireField(form, field);
    auto* edit = qobject_cast<QLineEdit*>(window.control(row.name));
    if (!edit)
        throw std::logic_error("the window has no widget for " + std::string(field));
    return edit;
}

} // namespace

QtHost::QtHost(const runtime::ProjectDescriptor& project)
    : form_(project.form)
    , window_(project.form)
{
    runtime::checkDescriptor(project);
    window_.setWindowIcon(iconResource(project.icon));
    for (const runtime::ClickBinding& binding : project.clickBindings) {
        auto* button = qobject_cast<QAbstractButton*>(window_.control(binding.control));
        QObject::connect(
            button, &QAbstractButton::clicked, &window_,
            [this, handler = binding.handler] { runtime::deliverClick(*this, handler); });
    }
}

runtime::FieldText QtHost::fieldText(std::string_view field)
{
    return findField(window_, form_, field)->text().toStdU16String();
}

void QtHost::setFieldText(std::string_view field, std::u16string_view text)
{
    QLineEdit* edit = findField(window_, form_, field);
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
    new WindowStateKeeper(&box);
    if (onWayland())
        giveOwnCaption(box);
    box.exec();

    // Without a window manager nothing hands the keyboard back to the window.
    window_.activateWindow();
    if (focus)
        focus->setFocus();
}

void QtHost::end()
{
    // Closing the only window ends the event loop, and start() returns 0.
    window_.close();
}

int start(int argc, char* argv[], const runtime::ProjectDescriptor& project)
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(toQString(project.version));
    QApplication::setDesktopFileName(toQString(project.applicationId));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(true);

    try {
        QtHost host(project);
        QApplication::setWindowIcon(host.window().windowIcon());
        host.window().centreOnScreen();
        host.window().show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        // A terminal shows the line, a desktop launch the box.
        std::fputs(error.what(), stderr);
        std::fputc('\n', stderr);
        QMessageBox::critical(nullptr, toQString(project.form.title),
                              QString::fromUtf8(error.what()));
        return EXIT_FAILURE;
    }
}

} // namespace qthost
