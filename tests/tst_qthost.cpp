#include "hosts/qt/QtHost.h"

#include "runtime/RuntimeError.h"
#include "window/CommandHandlers.h"
#include "window/FrmEuro.h"

#include "Checks.h"
#include "ModalWatcher.h"
#include "WindowControls.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestQtHost : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        // Each test closes its own window; the test run goes on.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        host_ = std::make_unique<qthost::QtHost>(window::project);
        host_->window().show();
        QApplication::setActiveWindow(&host_->window());
        QVERIFY(QTest::qWaitForWindowActive(&host_->window()));
    }

    void cleanup() { host_.reset(); }

    // A long result shows its sign and first digits; what was typed, and
    // its cursor, stay as they were.
    void writtenResultShowsFromItsStart()
    {
        QTest::keyClicks(field("txtPunt"), "-1e307");
        QTest::mouseClick(button("cmdConvertPuntToEuro"), Qt::LeftButton);
        QVERIFY(field("txtEuro")->text().startsWith(u'-'));
        QCOMPARE(field("txtEuro")->cursorPosition(), 0);
        QCOMPARE(field("txtPunt")->cursorPosition(), 6);
    }

    void accessKeys_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("clicked");

        const QKeySequence altN(Qt::ALT | Qt::Key_N);
        const QKeySequence altO(Qt::ALT | Qt::Key_O);
        const QKeySequence altC(Qt::ALT | Qt::Key_C);
        QTest::newRow("Alt+N from the euro field") << "txtEuro" << altN << "cmdConvertEuroToPunt";
        QTest::newRow("Alt+O from the punt field") << "txtPunt" << altO << "cmdConvertPuntToEuro";
        QTest::newRow("Alt+O from a button") << "cmdClear" << altO << "cmdConvertPuntToEuro";
        QTest::newRow("Alt+C from Exit") << "cmdExit" << altC << "cmdClear";
    }

    void accessKeys()
    {
        QFETCH(QString, from);
        QFETCH(QKeySequence, key);
        QFETCH(QString, clicked);

        field("txtEuro")->setText("10");
        field("txtPunt")->setText("1");
        QSignalSpy spy(button(clicked), &QAbstractButton::clicked);
        control(from)->setFocus();
        QTest::keySequence(&host_->window(), key);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(QApplication::focusWidget(), control(from)); // an access key moves no focus
    }

    void altXEndsTheProgram()
    {
        field("txtPunt")->setFocus();
        QTest::keySequence(&host_->window(), QKeySequence(Qt::ALT | Qt::Key_X));
        QTRY_VERIFY(!host_->window().isVisible());
    }

    void keysOnTheFocus_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked"); // empty: no button

        QTest::newRow("Enter on a button") << "cmdClear" << int(Qt::Key_Return) << "cmdClear";
        QTest::newRow("keypad Enter on a button")
            << "cmdConvertEuroToPunt" << int(Qt::Key_Enter) << "cmdConvertEuroToPunt";
        QTest::newRow("Space on a button")
            << "cmdConvertPuntToEuro" << int(Qt::Key_Space) << "cmdConvertPuntToEuro";
        QTest::newRow("Escape on a button") << "cmdClear" << int(Qt::Key_Escape) << "";
        QTest::newRow("Enter in a field") << "txtEuro" << int(Qt::Key_Return) << "";
        QTest::newRow("Escape in a field") << "txtPunt" << int(Qt::Key_Escape) << "";
    }

    void keysOnTheFocus()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, clicked);

        field("txtEuro")->setText("10");
        field("txtPunt")->setText("1");
        QList<std::shared_ptr<QSignalSpy>> spies;
        const QList<QPushButton*> buttons = host_->window().findChildren<QPushButton*>();
        for (QPushButton* each : buttons) {
            QVERIFY(!each->isDefault() && !each->autoDefault());
            spies << std::make_shared<QSignalSpy>(each, &QAbstractButton::clicked);
        }

        control(focus)->setFocus();
        QTest::keyClick(control(focus), Qt::Key(key));
        QTest::qWait(250); // longer than the press shown by a keyboard click
        for (qsizetype i = 0; i < buttons.size(); ++i)
            QCOMPARE(spies[i]->count(), buttons[i]->objectName() == clicked ? 1 : 0);
    }

    void messageBox_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");

        // What each handler shows is tested with the handlers; here one
        // message of each path reaches the box.
        QTest::newRow("empty euro field") << "cmdConvertEuroToPunt"
                                          << "txtEuro"
                                          << ""
                                          << "Put a value into the currency box";
        QTest::newRow("letters") << "cmdConvertPuntToEuro"
                                 << "txtPunt"
                                 << "abc"
                                 << "Run-time error 13: Type mismatch";
    }

    // The message shows in a plain modal box; both fields keep their text
    // and the window stays open with the focus on the clicked button.
    void messageBox()
    {
        QFETCH(QString, button);
        QFETCH(QString, source);
        QFETCH(QString, text);
        QFETCH(QString, message);

        field("txtEuro")->setText("keep euro");
        field("txtPunt")->setText("keep punt");
        field(source)->setText(text);
        const QString euroBefore = field("txtEuro")->text();
        const QString puntBefore = field("txtPunt")->text();

        ModalWatcher watcher;
        QTest::mouseClick(this->button(button), Qt::LeftButton);
        QCOMPARE(watcher.seen.size(), 1);
        const ModalWatcher::SeenBox& box = watcher.seen.front();
        // The wording of error reports is tested with the errors; the last
        // line names the error.
        QCOMPARE(box.text.section(QLatin1Char('\n'), -1), message);
        QCOMPARE(box.title, host_->window().windowTitle());
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.textFormat, Qt::PlainText);
        QVERIFY(box.modal);
        QVERIFY(box.okButtonOnly);
        QVERIFY(!box.buttonsHaveIcons);

        QCOMPARE(field("txtEuro")->text(), euroBefore);
        QCOMPARE(field("txtPunt")->text(), puntBefore);
        QVERIFY(host_->window().isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &host_->window());
        QCOMPARE(QApplication::focusWidget(), control(button));
    }

    void accessKeysWorkRightAfterTheBox()
    {
        ModalWatcher watcher;
        QTest::mouseClick(button("cmdConvertEuroToPunt"), Qt::LeftButton);
        QCOMPARE(watcher.seen.size(), 1);

        field("txtEuro")->setText("100");
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::ALT | Qt::Key_N));
        QTRY_VERIFY(!field("txtPunt")->text().isEmpty());
    }

    void largeInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("result");  // in the punt field; empty when a message shows
        QTest::addColumn<QString>("message"); // how the message ends

        const QString overflow = QStringLiteral("Run-time error 6: Overflow");
        const QString mismatch = QStringLiteral("Run-time error 13: Type mismatch");
        const qsizetype longest = 32767;
        QTest::newRow("longest field of nines") << QString(longest, '9') << false << "" << overflow;
        QTest::newRow("longest field, a number near 1")
            << "1." + QString(longest - 2, '0') << false << "0.787564"
            << "";
        QTest::newRow("longest field of letters")
            << QString(longest, 'x') << false << "" << mismatch;
        QTest::newRow("million-digit paste") << QString(1'000'000, '7') << true << "" << overflow;
        QTest::newRow("million-letter paste") << QString(1'000'000, 'x') << true << "" << mismatch;
    }

    // Any amount of text ends in a result or a short, clear message, and the
    // window goes on taking clicks.
    void largeInput()
    {
        QFETCH(QString, input);
        QFETCH(bool, pasted);
        QFETCH(QString, result);
        QFETCH(QString, message);

        QLineEdit* euro = field("txtEuro");
        if (pasted) {
            QApplication::clipboard()->setText(input);
            euro->clear();
            euro->paste();
        } else {
            euro->setText(input);
        }
        const QString typed = euro->text();
        QVERIFY(!typed.isEmpty());
        field("txtPunt")->setText("before");

        ModalWatcher watcher;
        QTest::mouseClick(button("cmdConvertEuroToPunt"), Qt::LeftButton);
        QCOMPARE(euro->text(), typed);
        if (message.isEmpty()) {
            QCOMPARE(watcher.seen.size(), 0);
            QCOMPARE(field("txtPunt")->text(), result);
        } else {
            QCOMPARE(watcher.seen.size(), 1);
            QVERIFY(watcher.seen.front().text.endsWith(message));
            QVERIFY(watcher.seen.front().text.size() < 400);
            QCOMPARE(field("txtPunt")->text(), QStringLiteral("before"));
        }

        QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
        QVERIFY(euro->text().isEmpty() && field("txtPunt")->text().isEmpty());
    }

    void windowIconHasTheListedSizes()
    {
        // The icon comes once the first frame is out.
        QTRY_VERIFY(!host_->window().windowIcon().isNull());
        const QList<QSize> sizes = host_->window().windowIcon().availableSizes();
        for (const int side : {16, 32, 48})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    }

    void unknownFieldIsARuntimeError()
    {
        QCOMPARE(raisedErrorNumber([&] { host_->fieldText("txtNone"); }),
                 numberOf(runtime::ErrorCode::FieldAccessFailed));
        QCOMPARE(raisedErrorNumber([&] { host_->setFieldText("cmdClear", u"x"); }),
                 numberOf(runtime::ErrorCode::FieldAccessFailed));
    }

private:
    QWidget* control(const QString& name) const { return requireControl(host_->window(), name); }
    QLineEdit* field(const QString& name) const { return qobject_cast<QLineEdit*>(control(name)); }
    QPushButton* button(const QString& name) const
    {
        return qobject_cast<QPushButton*>(control(name));
    }

    std::unique_ptr<qthost::QtHost> host_;
};

QTEST_MAIN(TestQtHost)
#include "tst_qthost.moc"
