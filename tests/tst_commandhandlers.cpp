#include "window/CommandHandlers.h"

#include "runtime/ClickDispatch.h"
#include "window/ControlNames.h"

#include "FakeRuntime.h"

#include <QObject>
#include <QTest>

#include <algorithm>
#include <clocale>

namespace names = window::names;

namespace {

// Clicks a button as the host does: through its binding and the dispatcher.
void click(FakeRuntime& host, std::string_view button)
{
    const auto binding = std::find_if(window::clickBindings.begin(), window::clickBindings.end(),
                                      [&](const auto& b) { return b.control == button; });
    QVERIFY2(binding != window::clickBindings.end(), "button has no handler");
    runtime::deliverClick(host, binding->handler);
}

const QString emptyMessage = QStringLiteral("message: Put a value into the currency box");

} // namespace

class TestCommandHandlers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void eachButtonIsBoundOnce()
    {
        for (const auto button : {names::cmdConvertEuroToPunt, names::cmdConvertPuntToEuro,
                                  names::cmdClear, names::cmdExit}) {
            QCOMPARE(std::count_if(window::clickBindings.begin(), window::clickBindings.end(),
                                   [&](const auto& b) { return b.control == button; }),
                     1);
        }
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("euroBefore");
        QTest::addColumn<QString>("puntBefore");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("euroAfter");
        QTest::addColumn<QString>("puntAfter");

        const QString euroToPunt(names::cmdConvertEuroToPunt.data());
        const QString puntToEuro(names::cmdConvertPuntToEuro.data());
        const QString clear(names::cmdClear.data());
        const QString exit(names::cmdExit.data());

        QTest::newRow("euros to punts, punt field replaced")
            << euroToPunt << "10"
            << "old" << QStringList{"read txtEuro", "write txtPunt: 7.87564"} << "10"
            << "7.87564";
        QTest::newRow("punts to euros, euro field replaced")
            << puntToEuro << "old"
            << "1" << QStringList{"read txtPunt", "write txtEuro: 1.26973807842918"}
            << "1.26973807842918"
            << "1";
        QTest::newRow("empty euro field: message, punt field kept")
            << euroToPunt << ""
            << "7" << QStringList{"read txtEuro", emptyMessage} << ""
            << "7";
        QTest::newRow("empty punt field: the same message, euro field kept")
            << puntToEuro << "7"
            << "" << QStringList{"read txtPunt", emptyMessage} << "7"
            << "";
        QTest::newRow("blank euro field is converted: type mismatch, both kept")
            << euroToPunt << "  "
            << "3"
            << QStringList{"read txtEuro",
                           "message: Run-time error 13: Type mismatch\n\n\"  \" is not a number."}
            << "  "
            << "3";
        QTest::newRow("letters in punt field: type mismatch, both kept")
            << puntToEuro << "1"
            << "12abc"
            << QStringList{"read txtPunt", "message: Run-time error 13: Type mismatch\n\n\"12abc\" "
                                           "is not a number."}
            << "1"
            << "12abc";
        QTest::newRow("overflow: both kept")
            << puntToEuro << "2"
            << "1e400"
            << QStringList{"read txtPunt", "message: Run-time error 6: Overflow\n\nThe amount is "
                                           "too large to convert."}
            << "2"
            << "1e400";
        QTest::newRow("clear empties punt, then euro")
            << clear << "1"
            << "2" << QStringList{"write txtPunt: ", "write txtEuro: "} << ""
            << "";
        QTest::newRow("clear when already empty")
            << clear << ""
            << "" << QStringList{"write txtPunt: ", "write txtEuro: "} << ""
            << "";
        QTest::newRow("exit ends, fields untouched") << exit << "1"
                                                     << "2" << QStringList{"end"} << "1"
                                                     << "2";
    }

    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(QString, euroBefore);
        QFETCH(QString, puntBefore);
        QFETCH(QStringList, calls);
        QFETCH(QString, euroAfter);
        QFETCH(QString, puntAfter);

        FakeRuntime host;
        host.setField(names::txtEuro, euroBefore);
        host.setField(names::txtPunt, puntBefore);
        click(host, button.toStdString());
        QCOMPARE(host.calls, calls);
        QCOMPARE(host.field(names::txtEuro), euroAfter);
        QCOMPARE(host.field(names::txtPunt), puntAfter);
    }

    void failedFieldAccess_data()
    {
        QTest::addColumn<QString>("failingRead");
        QTest::addColumn<QString>("failingWrite");

        QTest::newRow("source cannot be read") << "txtEuro"
                                               << "";
        QTest::newRow("target cannot be written") << ""
                                                  << "txtPunt";
    }

    // The error reaches the user and the target keeps its text.
    void failedFieldAccess()
    {
        QFETCH(QString, failingRead);
        QFETCH(QString, failingWrite);

        FakeRuntime host;
        host.setField(names::txtEuro, "10");
        host.setField(names::txtPunt, "keep");
        host.failingRead = failingRead.toStdString();
        host.failingWrite = failingWrite.toStdString();
        click(host, names::cmdConvertEuroToPunt);
        QVERIFY(host.calls.last().startsWith("message: Run-time error 440: Field access failed"));
        QCOMPARE(host.field(names::txtPunt), QStringLiteral("keep"));
        QCOMPARE(host.field(names::txtEuro), QStringLiteral("10"));
    }

    void repeatedConversionWritesTheSameText()
    {
        FakeRuntime host;
        host.setField(names::txtEuro, "10");
        click(host, names::cmdConvertEuroToPunt);
        click(host, names::cmdConvertEuroToPunt);
        QCOMPARE(host.calls.at(1), host.calls.at(3));
    }
};

QTEST_APPLESS_MAIN(TestCommandHandlers)
#include "tst_commandhandlers.moc"
