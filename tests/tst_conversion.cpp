#include "conversion/Conversion.h"

#include "Checks.h"

#include <QObject>
#include <QTest>

#include <cfenv>
#include <clocale>

using runtime::ErrorCode;

namespace {

enum class Direction { EuroToPunt, PuntToEuro };

QString convert(Direction direction, const QString& text)
{
    const std::u16string source = text.toStdU16String();
    return QString::fromStdU16String(direction == Direction::EuroToPunt
                                         ? conversion::convertEuroToPunt(source)
                                         : conversion::convertPuntToEuro(source));
}

} // namespace

Q_DECLARE_METATYPE(Direction)

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void emptyTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("empty");

        QTest::newRow("no characters") << "" << true;
        QTest::newRow("one space") << " " << false;
        QTest::newRow("tab") << "\t" << false;
        QTest::newRow("NUL character") << QString(QChar(0)) << false;
        QTest::newRow("zero") << "0" << false;
    }

    void emptyTest()
    {
        QFETCH(QString, text);
        QFETCH(bool, empty);

        QCOMPARE(conversion::isEmptyText(text.toStdU16String()), empty);
    }

    void arithmetic_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("expected");

        const auto euros = Direction::EuroToPunt;
        const auto punts = Direction::PuntToEuro;
        QTest::newRow("1 euro is the rate") << euros << 1.0 << 0.787564;
        QTest::newRow("10 euros, product rounded") << euros << 10.0 << 7.875640000000001;
        QTest::newRow("100 euros") << euros << 100.0 << 78.7564;
        QTest::newRow("0 euros") << euros << 0.0 << 0.0;
        QTest::newRow("negative euros") << euros << -10.0 << -7.875640000000001;
        QTest::newRow("1 punt") << punts << 1.0 << 1.2697380784291816;
        QTest::newRow("100 punts") << punts << 100.0 << 126.97380784291816;
        QTest::newRow("1.23 punts, rounded once") << punts << 1.23 << 1.5617778364678934;
        QTest::newRow("0 punts") << punts << 0.0 << 0.0;
        QTest::newRow("negative punts") << punts << -1.0 << -1.2697380784291816;
        QTest::newRow("huge punts, scaled past double range")
            << punts << 1.4e308 << 1.7776333098008543e308;
        QTest::newRow("smallest subnormal punts")
            << punts << 4.9406564584124654e-324 << 4.9406564584124654e-324;
    }

    void arithmetic()
    {
        QFETCH(Direction, direction);
        QFETCH(double, amount);
        QFETCH(double, expected);

        const double result = direction == Direction::EuroToPunt ? conversion::eurosToPunts(amount)
                                                                 : conversion::puntsToEuros(amount);
        QCOMPARE(exact(result), exact(expected));
    }

    void convertsText_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        const auto euros = Direction::EuroToPunt;
        const auto punts = Direction::PuntToEuro;
        QTest::newRow("10 euros") << euros << "10"
                                  << "7.87564";
        QTest::newRow("1 euro") << euros << "1"
                                << "0.787564";
        QTest::newRow("euros with blanks around") << euros << "  10\t"
                                                  << "7.87564";
        QTest::newRow("negative euros") << euros << "-5"
                                        << "-3.93782";
        QTest::newRow("largest double of euros") << euros << "1.7976931348623157e308"
                                                 << "1.4157983960647E+308";
        QTest::newRow("1 punt") << punts << "1"
                                << "1.26973807842918";
        QTest::newRow("100 punts") << punts << "100"
                                   << "126.973807842918";
        QTest::newRow("negative zero punts") << punts << "-0"
                                             << "0";
        QTest::newRow("underflowing punts") << punts << "1e-400"
                                            << "0";
        QTest::newRow("punts near the top of the range") << punts << "1e307"
                                                         << "1.26973807842918E+307";
        QTest::newRow("punts just inside the range") << punts << "1.4e308"
                                                     << "1.77763330980085E+308";
    }

    void convertsText()
    {
        QFETCH(Direction, direction);
        QFETCH(QString, text);
        QFETCH(QString, expected);

        QCOMPARE(convert(direction, text), expected);
    }

    void raisesErrors_data()
    {
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");

        const auto euros = Direction::EuroToPunt;
        const auto punts = Direction::PuntToEuro;
        const int overflow = numberOf(ErrorCode::Overflow);
        const int typeMismatch = numberOf(ErrorCode::TypeMismatch);
        QTest::newRow("euro text past the range") << euros << "1e400" << overflow;
        QTest::newRow("punt text past the range") << punts << "-1e400" << overflow;
        QTest::newRow("punt result past the range") << punts << "1.42e308" << overflow;
        QTest::newRow("negative punt result past the range") << punts << "-1.5e308" << overflow;
        QTest::newRow("blank euros") << euros << "   " << typeMismatch;
        QTest::newRow("letters in punts") << punts << "ten" << typeMismatch;
    }

    void raisesErrors()
    {
        QFETCH(Direction, direction);
        QFETCH(QString, text);
        QFETCH(int, error);

        QCOMPARE(raisedErrorNumber([&] { convert(direction, text); }), error);
    }

    void staleStatusIsCleared_data()
    {
        QTest::addColumn<int>("flag");

        QTest::newRow("overflow") << FE_OVERFLOW;
        QTest::newRow("invalid") << FE_INVALID;
        QTest::newRow("division by zero") << FE_DIVBYZERO;
    }

    // A condition left over from earlier work must not fail a sound conversion.
    void staleStatusIsCleared()
    {
        QFETCH(int, flag);

        std::feraiseexcept(flag);
        QCOMPARE(convert(Direction::EuroToPunt, "10"), QStringLiteral("7.87564"));
        std::feraiseexcept(flag);
        QCOMPARE(convert(Direction::PuntToEuro, "1"), QStringLiteral("1.26973807842918"));
    }
};

QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
