#include "hosts/qt/QtHost.h"

#include "hosts/qt/Announcer.h"

#include "runtime/Ascii.h"

#include "window/ControlNames.h"
#include "window/FrmEuro.h"

#include "Conformance.h"
#include "ModalWatcher.h"
#include "WindowControls.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>
#include <utility>

namespace {

class QtAdapter final : public conformance::Adapter {
public:
    runtime::Host& reset(bool recording) override
    {
        host_.reset();
        watcher_.reset();
        host_ = std::make_unique<qthost::QtHost>(recording ? conformance::recordingProgram()
                                                           : window::program);
        host_->window().show();
        host_->window().activateWindow();
        if (!QTest::qWaitForWindowActive(&host_->window()))
            qFatal("the window did not become active");
        conformance::clicks().clear();
        return *host_;
    }
    qthost::MainWindow& window() const { return host_->window(); }
    void focus(std::string_view control) override { widget(control)->setFocus(); }
    std::string focused() override
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : std::string();
    }
    void press(conformance::Key key, char letter) override
    {
        using conformance::Key;
        QWidget* target = QApplication::focusWidget();
        if (key == Key::HeldEnter) {
            for (const bool repeated : {false, true, true, true}) {
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier,
                               QStringLiteral("\r"), repeated);
                QApplication::sendEvent(target, &down);
                QTest::qWait(150);
            }
            QTest::keyRelease(target, Qt::Key_Return);
        } else if (key == Key::AltLetter) {
            QTest::keySequence(
                target, QKeySequence(Qt::ALT | Qt::Key(runtime::upperAscii(char16_t(letter)))));
        } else if (key == Key::Letter) {
            QTest::keyClick(target, letter);
        } else {
            const std::map<Key, QKeyCombination> keys{
                {Key::Tab, Qt::Key_Tab},
                {Key::ShiftTab, Qt::SHIFT | Qt::Key_Tab},
                {Key::Enter, Qt::Key_Return},
                {Key::KeypadEnter, Qt::KeypadModifier | Qt::Key_Enter},
                {Key::Space, Qt::Key_Space},
                {Key::Escape, Qt::Key_Escape}};
            QTest::keyClick(target, keys.at(key).key(), keys.at(key).keyboardModifiers());
        }
        QTest::qWait(250); // longer than the press shown by a keyboard click
    }
    void click(std::string_view button) override
    {
        QTest::mouseClick(widget(button), Qt::LeftButton);
    }
    void watchBoxes() override { watcher_ = std::make_unique<ModalWatcher>(); }
    std::vector<conformance::SeenBox> boxes() override
    {
        std::vector<conformance::SeenBox> seen;
        for (const ModalWatcher::SeenBox& box : watcher_->seen)
            seen.push_back({box.title.toStdU16String(), box.text.toStdU16String(), box.buttonCount,
                            box.icon == QMessageBox::NoIcon && box.plainOkBox});
        return seen;
    }
    QWidget* widget(std::string_view name) const
    {
        return requireControl(host_->window(), QString::fromUtf8(name));
    }
    QLineEdit* field(std::string_view name) const { return qobject_cast<QLineEdit*>(widget(name)); }

private:
    std::unique_ptr<qthost::QtHost> host_;
    std::unique_ptr<ModalWatcher> watcher_;
};

using namespace window::names;

} // namespace

class TestQtHost : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        // Each test closes its own window; the test run goes on.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { shown_.reset(false); }

    void followsTheWindowRules()
    {
        for (const QPushButton* each : shown_.window().findChildren<QPushButton*>())
            QVERIFY(!each->isDefault() && !each->autoDefault());
        const std::vector<std::string> failures = conformance::run(shown_);
        QVERIFY2(failures.empty(), failures.empty() ? "" : failures.front().c_str());
    }

    // A long result shows its sign and first digits; what was typed, and
    // its cursor, stay as they were.
    void writtenResultShowsFromItsStart()
    {
        QTest::keyClicks(field(txtPunt), "-1e307");
        QTest::mouseClick(control(cmdConvertPuntToEuro), Qt::LeftButton);
        QVERIFY(field(txtEuro)->text().startsWith(u'-'));
        QCOMPARE(field(txtEuro)->cursorPosition(), 0);
        QCOMPARE(field(txtPunt)->cursorPosition(), 6);
    }

    void altXEndsTheProgram()
    {
        field(txtPunt)->setFocus();
        QTest::keySequence(&shown_.window(), QKeySequence(Qt::ALT | Qt::Key_X));
        QVERIFY(QTest::qWaitFor([&] { return !shown_.window().isVisible(); }));
    }

    // Enter presses the box's OK, but is no access key of it: a screen
    // reader that reads a key as a mnemonic would say a stray letter.
    void boxButtonNamesNoKey()
    {
        ModalWatcher watcher;
        QTest::mouseClick(control(cmdConvertEuroToPunt), Qt::LeftButton);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.front().okKeys, QStringList());
    }

    void accessKeysWorkRightAfterTheBox()
    {
        ModalWatcher watcher;
        QTest::mouseClick(control(cmdConvertEuroToPunt), Qt::LeftButton);
        QCOMPARE(watcher.seen.size(), 1);

        field(txtEuro)->setText("100");
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() != nullptr; }));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::ALT | Qt::Key_N));
        QVERIFY(QTest::qWaitFor([&] { return !field(txtPunt)->text().isEmpty(); }));
    }

    void announcesWhatAButtonDid_data()
    {
        QTest::addColumn<std::string_view>("typedInto");
        QTest::addColumn<std::string_view>("clicked");
        QTest::addColumn<QString>("heard");
        QTest::newRow("punts to euros")
            << txtPunt << cmdConvertPuntToEuro << "126.973807842918 euros";
        QTest::newRow("euros to punts") << txtEuro << cmdConvertEuroToPunt << "78.7564 punts";
        QTest::newRow("clear") << txtEuro << cmdClear << "Both fields are empty";
    }

    // Each result, or what Clear did, is told to a screen reader.
    void announcesWhatAButtonDid()
    {
        QFETCH(std::string_view, typedInto);
        QFETCH(std::string_view, clicked);
        QFETCH(QString, heard);
        field(typedInto)->setText("100");
        QTest::mouseClick(control(clicked), Qt::LeftButton);
        // The announcement a screen reader is sent, outside the window's controls.
        auto* announcer = shown_.window().findChild<qthost::Announcer*>();
        QAccessibleInterface* announcement = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(announcement->role(), QAccessible::Notification);
        QCOMPARE(announcement->text(QAccessible::Name), heard);
    }

    // A screen reader reads a field's text whole from any offset in it.
    void fieldTextIsOneAttributeRun()
    {
        field(txtPunt)->setText("12.5");
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(field(txtPunt))->textInterface();
        for (const int offset : {0, 3}) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            QCOMPARE(std::pair(start, end), std::pair(0, 4));
        }
    }

    void largeInput_data()
    {
        QTest::addColumn<QString>("input");   // pasted into the euro field, which keeps 32767
        QTest::addColumn<QString>("result");  // in the punt field; empty when a message shows
        QTest::addColumn<QString>("message"); // how the message ends

        const QString overflow = QStringLiteral("Run-time error 6: Overflow");
        const QString mismatch = QStringLiteral("Run-time error 13: Type mismatch");
        QTest::newRow("million digits") << QString(1'000'000, '7') << "" << overflow;
        QTest::newRow("million letters") << QString(1'000'000, 'x') << "" << mismatch;
        QTest::newRow("longest field, a number near 1") << "1." + QString(32765, '0') << "0.787564"
                                                        << "";
    }

    // Any amount of text ends in a result or a short, clear message, and the
    // window goes on taking clicks.
    void largeInput()
    {
        QFETCH(QString, input);
        QFETCH(QString, result);
        QFETCH(QString, message);

        QLineEdit* euro = field(txtEuro);
        QApplication::clipboard()->setText(input);
        euro->paste();
        const QString typed = euro->text();
        QCOMPARE(typed.size(), qMin(input.size(), 32767));
        field(txtPunt)->setText("before");

        ModalWatcher watcher;
        QTest::mouseClick(control(cmdConvertEuroToPunt), Qt::LeftButton);
        QCOMPARE(euro->text(), typed);
        if (message.isEmpty()) {
            QCOMPARE(watcher.seen.size(), 0);
            QCOMPARE(field(txtPunt)->text(), result);
        } else {
            QCOMPARE(watcher.seen.size(), 1);
            QVERIFY(watcher.seen.front().text.endsWith(message));
            QVERIFY(watcher.seen.front().text.size() < 400);
            QCOMPARE(field(txtPunt)->text(), QStringLiteral("before"));
        }

        QTest::mouseClick(control(cmdClear), Qt::LeftButton);
        QVERIFY(euro->text().isEmpty() && field(txtPunt)->text().isEmpty());
    }

    void windowIconHasTheListedSizes()
    {
        // The icon comes once the first frame is out.
        QVERIFY(QTest::qWaitFor([&] { return !shown_.window().windowIcon().isNull(); }));
        const QList<QSize> sizes = shown_.window().windowIcon().availableSizes();
        for (const int side : {PUNT_ICON_SIZES})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    }

private:
    QWidget* control(std::string_view name) const { return shown_.widget(name); }
    QLineEdit* field(std::string_view name) const { return shown_.field(name); }

    QtAdapter shown_;
};

QTEST_MAIN(TestQtHost)
#include "tst_qthost.moc"
