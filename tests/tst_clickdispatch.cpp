#include "runtime/ClickDispatch.h"

#include "runtime/RuntimeError.h"

#include "FakeRuntime.h"

#include <QObject>
#include <QTest>

#include <new>
#include <stdexcept>

using runtime::ClickHandler;
using runtime::Runtime;

Q_DECLARE_METATYPE(ClickHandler)

class TestClickDispatch : public QObject {
    Q_OBJECT

private slots:
    void reportsErrorsAndGoesOn_data()
    {
        QTest::addColumn<ClickHandler>("handler");
        QTest::addColumn<QStringList>("calls");

        QTest::newRow("handler succeeds")
            << ClickHandler([](Runtime& host) { host.setFieldText("txtPunt", u"1"); })
            << QStringList{"write txtPunt: 1"};
        QTest::newRow("run-time error after a write") << ClickHandler([](Runtime& host) {
            host.setFieldText("txtPunt", u"1");
            throw runtime::RuntimeError(runtime::ErrorCode::Overflow);
        }) << QStringList{"write txtPunt: 1", "message: Run-time error 6: Overflow"};
        QTest::newRow("out of memory") << ClickHandler([](Runtime&) { throw std::bad_alloc(); })
                                       << QStringList{"message: Run-time error 7: Out of memory"};
        QTest::newRow("any other exception")
            << ClickHandler([](Runtime&) { throw std::logic_error("bug"); })
            << QStringList{"message: Run-time error 51: Internal error"};
    }

    void reportsErrorsAndGoesOn()
    {
        QFETCH(ClickHandler, handler);
        QFETCH(QStringList, calls);

        FakeRuntime host;
        runtime::deliverClick(host, handler);
        QCOMPARE(host.calls, calls);
    }
};

QTEST_APPLESS_MAIN(TestClickDispatch)
#include "tst_clickdispatch.moc"
