#include "runtime/RuntimeError.h"

#include "Checks.h"

#include <QObject>
#include <QTest>

#include <cfenv>

using runtime::ErrorCode;
using runtime::RuntimeError;

class TestRuntimeError : public QObject {
    Q_OBJECT

private slots:
    void report_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("report");

        QTest::newRow("with detail")
            << numberOf(ErrorCode::TypeMismatch) << "\"abc\" is not a number."
            << "Run-time error 13: Type mismatch\n\n\"abc\" is not a number.";
        QTest::newRow("without detail") << numberOf(ErrorCode::DivisionByZero) << ""
                                        << "Run-time error 11: Division by zero";
        QTest::newRow("three-digit number") << numberOf(ErrorCode::FieldAccessFailed) << "txtEuro"
                                            << "Run-time error 440: Field access failed\n\ntxtEuro";
    }

    void report()
    {
        QFETCH(int, code);
        QFETCH(QString, detail);
        QFETCH(QString, report);

        const RuntimeError error(static_cast<ErrorCode>(code), detail.toStdU16String());
        QCOMPARE(QString::fromStdU16String(error.report()), report);
    }

    void floatingPointStatus_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("error");

        QTest::newRow("invalid operation") << FE_INVALID << 5;
        QTest::newRow("division by zero") << FE_DIVBYZERO << 11;
        QTest::newRow("overflow") << FE_OVERFLOW << 6;
        QTest::newRow("overflow with inexact") << (FE_OVERFLOW | FE_INEXACT) << 6;
        QTest::newRow("invalid wins over overflow") << (FE_OVERFLOW | FE_INVALID) << 5;
    }

    void floatingPointStatus()
    {
        QFETCH(int, flags);
        QFETCH(int, error);

        QCOMPARE(raisedErrorNumber([&] { runtime::raiseFloatingPointError(flags); }), error);
    }
};

QTEST_APPLESS_MAIN(TestRuntimeError)
#include "tst_runtimeerror.moc"
