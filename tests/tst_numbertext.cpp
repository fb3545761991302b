#include "runtime/NumberText.h"

#include "Checks.h"

#include <QObject>
#include <QTest>

#include <bit>
#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

using runtime::ErrorCode;

namespace {

QString printfText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    const QString text = QString::fromLatin1(buffer);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

enum class Band { Decades, Ties, AnyBits };

} // namespace

Q_DECLARE_METATYPE(Band)

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void acceptsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("integer") << "10" << 10.0;
        QTest::newRow("decimal") << "1.23" << 1.23;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("minus sign") << "-2.5" << -2.5;
        QTest::newRow("negative zero") << "-0" << -0.0;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("upper-case exponent, negative") << "25E-2" << 0.25;
        QTest::newRow("exponent with plus") << "1.5e+2" << 150.0;
        QTest::newRow("surrounding blanks") << " \t 7.25\t  " << 7.25;
        QTest::newRow("long mantissa")
            << "3.14159265358979323846264338327950288" << 3.141592653589793;
        QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
        QTest::newRow("smallest subnormal") << "4.9e-324" << 4.9406564584124654e-324;
        QTest::newRow("underflow is zero") << "1e-400" << 0.0;
        QTest::newRow("negative underflow") << "-1e-400" << -0.0;
        QTest::newRow("zero with huge exponent") << "0e999999" << 0.0;
        QTest::newRow("huge negative exponent") << "123e-99999999999999999999" << 0.0;
    }

    void acceptsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);

        std::feclearexcept(FE_ALL_EXCEPT);
        QCOMPARE(exact(runtime::textToNumber(text.toStdU16String())), exact(expected));
        QVERIFY(!std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO));
    }

    void refusesNonNumbers_data()
    {
        QTest::addColumn<QString>("text");

        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << " \t ";
        QTest::newRow("letters") << "abc";
        QTest::newRow("number then letters") << "12abc";
        QTest::newRow("letters then number") << "x12";
        QTest::newRow("comma as decimal separator") << "1,5";
        QTest::newRow("space as group separator") << "1 000";
        QTest::newRow("euro sign") << QString::fromUtf8("\u20ac5");
        QTest::newRow("pound sign after") << QString::fromUtf8("5\u00a3");
        QTest::newRow("inf") << "inf";
        QTest::newRow("nan") << "nan";
        QTest::newRow("hexadecimal") << "0x1A";
        QTest::newRow("hexadecimal float") << "0x1p3";
        QTest::newRow("lone sign") << "-";
        QTest::newRow("lone point") << ".";
        QTest::newRow("signed point") << "+.";
        QTest::newRow("two points") << "1.2.3";
        QTest::newRow("two signs") << "--1";
        QTest::newRow("blank after sign") << "- 1";
        QTest::newRow("exponent without digits") << "1e";
        QTest::newRow("exponent sign only") << "1e+";
        QTest::newRow("exponent alone") << "e5";
        QTest::newRow("fractional exponent") << "1e2.5";
        QTest::newRow("newline") << "1\n";
        QTest::newRow("no-break space") << QString::fromUtf8("\u00a01");
        QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("\u0661");
        QTest::newRow("full-width digit") << QString::fromUtf8("\uff11");
        QTest::newRow("NUL after number") << QString("1") + QChar(0);
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "1";
    }

    void refusesNonNumbers()
    {
        QFETCH(QString, text);

        QCOMPARE(raisedErrorNumber([&] { runtime::textToNumber(text.toStdU16String()); }),
                 numberOf(ErrorCode::TypeMismatch));
    }

    void overflowRaisesTheCondition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("just past the range") << "1.8e308" << infinity;
        QTest::newRow("far past the range") << "1e400" << infinity;
        QTest::newRow("negative") << "-1e400" << -infinity;
        QTest::newRow("many digits") << QString(400, '9') << infinity;
        QTest::newRow("saturating exponent") << "1e99999999999999999999" << infinity;
    }

    void overflowRaisesTheCondition()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);

        std::feclearexcept(FE_ALL_EXCEPT);
        QCOMPARE(exact(runtime::textToNumber(text.toStdU16String())), exact(expected));
        QVERIFY(std::fetestexcept(FE_OVERFLOW));
    }

    void typeMismatchQuotesTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("detail");

        const QString ellipsis(QChar(0x2026));
        QTest::newRow("short") << "abc"
                               << "\"abc\" is not a number.";
        QTest::newRow("long, shortened")
            << QString(100, 'x') << "\"" + QString(40, 'x') + ellipsis + "\" is not a number.";
        const QString pair = QString::fromUtf8("\U0001F4B6");
        QTest::newRow("surrogate pair kept whole")
            << QString(39, 'x') + pair + "x"
            << "\"" + QString(39, 'x') + ellipsis + "\" is not a number.";
    }

    void typeMismatchQuotesTheText()
    {
        QFETCH(QString, text);
        QFETCH(QString, detail);

        try {
            runtime::textToNumber(text.toStdU16String());
            QFAIL("no error raised");
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(QString::fromStdU16String(error.detail()), detail);
        }
    }

    void displaysNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("rate") << 0.787564 << "0.787564";
        QTest::newRow("product rounded to 15 digits") << 7.875640000000001 << "7.87564";
        QTest::newRow("sixteen digits cut") << 1.2697380784291816 << "1.26973807842918";
        QTest::newRow("negative") << -3.9378200000000003 << "-3.93782";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("largest plain") << 1e14 << "100000000000000";
        QTest::newRow("first exponent form") << 1e15 << "1E+15";
        QTest::newRow("small plain") << 0.0001 << "0.0001";
        QTest::newRow("small exponent form") << 1e-5 << "1E-05";
        QTest::newRow("rounded mantissa") << 123456789012345678.0 << "1.23456789012346E+17";
        QTest::newRow("largest double") << 1.7976931348623157e308 << "1.79769313486232E+308";
        QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << "4.94065645841247E-324";
        QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
    }

    void displaysNumbers()
    {
        QFETCH(double, value);
        QFETCH(QString, text);

        QCOMPARE(QString::fromStdU16String(runtime::numberToText(value)), text);
    }

    // Many values per band against the C library's own "%.15G".
    void displaysAsPrintfDoes_data()
    {
        QTest::addColumn<Band>("band");
        QTest::addColumn<int>("lowestDecade");
        QTest::addColumn<int>("highestDecade");

        QTest::newRow("exponent form, small") << Band::Decades << -320 << -6;
        QTest::newRow("edge of the plain range, small") << Band::Decades << -6 << -3;
        QTest::newRow("plain range") << Band::Decades << -4 << 14;
        QTest::newRow("edge of the plain range, large") << Band::Decades << 13 << 16;
        QTest::newRow("exponent form, large") << Band::Decades << 15 << 308;
        QTest::newRow("halves at the sixteenth digit") << Band::Ties << 0 << 0;
        QTest::newRow("any bit pattern") << Band::AnyBits << 0 << 0;
    }

    void displaysAsPrintfDoes()
    {
        QFETCH(Band, band);
        QFETCH(int, lowestDecade);
        QFETCH(int, highestDecade);

        std::mt19937_64 random(20261208);
        std::uniform_real_distribution<double> mantissa(1.0, 10.0);
        std::uniform_int_distribution<int> decade(lowestDecade, highestDecade);
        std::uniform_int_distribution<std::int64_t> wholeNumber(100'000'000'000'000,
                                                                999'999'999'999'999);
        for (int i = 0; i < 20000; ++i) {
            double value = 0;
            switch (band) {
            case Band::Decades:
                value = mantissa(random) * std::pow(10.0, decade(random));
                break;
            case Band::Ties: // exactly halfway between two 15-digit numbers
                value = static_cast<double>(wholeNumber(random)) + 0.5;
                break;
            case Band::AnyBits:
                value = std::bit_cast<double>(random());
                break;
            }
            if (!std::isfinite(value))
                continue;
            if (i % 2)
                value = -value;
            const QString ours = QString::fromStdU16String(runtime::numberToText(value));
            if (ours != printfText(value))
                QFAIL(qPrintable(QStringLiteral("%1 shows as %2, printf writes %3")
                                     .arg(exact(value), ours, printfText(value))));
        }
    }

    // Random decimal texts against the C library's strtod.
    void readsAsStrtodDoes_data()
    {
        QTest::addColumn<int>("maximumDigits");
        QTest::addColumn<int>("maximumExponent");

        QTest::newRow("short, no exponent") << 8 << 0;
        QTest::newRow("up to 19 digits, small exponent") << 19 << 22;
        QTest::newRow("long mantissa") << 40 << 30;
        QTest::newRow("far exponents") << 20 << 330;
    }

    void readsAsStrtodDoes()
    {
        QFETCH(int, maximumDigits);
        QFETCH(int, maximumExponent);

        std::mt19937_64 random(8122026);
        std::uniform_int_distribution<int> digitCount(1, maximumDigits);
        std::uniform_int_distribution<int> digit(0, 9);
        std::uniform_int_distribution<int> exponent(-maximumExponent, maximumExponent);
        for (int i = 0; i < 20000; ++i) {
            std::string text = i % 3 ? "" : "-";
            const int count = digitCount(random);
            const int point = std::uniform_int_distribution<int>(0, count)(random);
            for (int d = 0; d < count; ++d) {
                if (d == point && d > 0)
                    text += '.';
                text += static_cast<char>('0' + digit(random));
            }
            if (maximumExponent > 0)
                text += 'e' + std::to_string(exponent(random));

            const double expected = std::strtod(text.c_str(), nullptr);
            const double ours =
                runtime::textToNumber(QString::fromStdString(text).toStdU16String());
            if (exact(ours) != exact(expected))
                QFAIL(qPrintable(
                    QStringLiteral("%1 reads as %2, strtod reads %3")
                        .arg(QString::fromStdString(text), exact(ours), exact(expected))));
        }
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
