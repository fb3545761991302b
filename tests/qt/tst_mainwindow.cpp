#include "hosts/qt/MainWindow.h"

#include "hosts/qt/QtHost.h"
#include "hosts/qt/QtResources.h"
#include "hosts/qt/QtText.h"
#include "runtime/WindowContract.h"

#include "window/FrmEuro.h"

#include "WindowControls.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The text as drawn: a button's access-key marker takes no room.
QString shownText(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->text().remove('&');
    return qobject_cast<const QLabel*>(control)->text();
}

// Relative luminance and contrast ratio as the WCAG define them.
double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrast(QRgb one, QRgb other)
{
    const auto [darker, lighter] = std::minmax({luminance(one), luminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(238, 238, 236));
    return dark;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        host_ = std::make_unique<qthost::QtHost>(window::program);
        window_ = &host_->window();
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }

    void cleanupTestCase() { host_.reset(); }

    void windowProperties()
    {
        const runtime::WindowDefinition& definition = window::frmEuroDefinition;
        QCOMPARE(window_->windowTitle(), qthost::toQString(definition.title));
        QCOMPARE(window_->size(), QSize(runtime::twipsToPixels(definition.clientWidth),
                                        runtime::twipsToPixels(definition.clientHeight)));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
                 qsizetype(definition.controls.size()));
        QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window_->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(window_->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    // Under QT_SCALE_FACTOR the window keeps its logical size and its
    // device pixels scale with it.
    void scalesWithTheScreen()
    {
        const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                : 1.0;
        QCOMPARE(window_->windowHandle()->devicePixelRatio(), scale);
        const QImage shown = window_->grab().toImage();
        QCOMPARE(shown.size(), window_->size() * scale);
    }

    void centresOnTheScreen()
    {
        window_->centreOnScreen();
        const QPoint offset =
            window_->geometry().center() - window_->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    // A screen reader hears each control by the name the definition gives
    // it; what shows on screen stays the control's own text.
    void accessibleTexts()
    {
        const runtime::WindowDefinition& definition = window::frmEuroDefinition;
        QCOMPARE_GE(definition.accessibleTexts.size(), 6u);
        for (const runtime::AccessibleText& text : definition.accessibleTexts) {
            const QString name = qthost::toQString(text.control);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(name));
            QVERIFY2(accessible, qPrintable(name));
            QCOMPARE(accessible->text(QAccessible::Name), qthost::toQString(text.name));
            QCOMPARE(accessible->text(QAccessible::Description),
                     qthost::toQString(text.description));
            QCOMPARE(control(name)->property("text").toString(),
                     qthost::toQString(runtime::findControl(definition, text.control)->text));
        }
    }

    // Each label the definition links to a control names it, for screen
    // readers too.
    void labelsNameTheirControls()
    {
        for (const runtime::Buddy& buddy : window::frmEuroDefinition.buddies) {
            QWidget* label = control(qthost::toQString(buddy.label));
            QWidget* field = control(qthost::toQString(buddy.control));
            QCOMPARE(qobject_cast<QLabel*>(label)->buddy(), field);
            const auto relations =
                QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label);
            QVERIFY(std::any_of(relations.begin(), relations.end(), [&](const auto& relation) {
                return relation.first->object() == label;
            }));
        }
    }

    // Each control at its stored place, inside the window and clear of the
    // others; one sized to its text keeps its top-left corner and, sized to a
    // wrapped text, its width.
    void placesAndSizes_data()
    {
        QTest::addColumn<QString>("name");
        for (const runtime::ControlDefinition& row : window::frmEuroDefinition.controls)
            QTest::newRow(row.name.data()) << qthost::toQString(row.name);
    }

    void placesAndSizes()
    {
        QFETCH(QString, name);
        const runtime::ControlDefinition& row =
            *runtime::findControl(window::frmEuroDefinition, name.toStdString());
        const auto pixels = [](runtime::Twips twips) { return runtime::twipsToPixels(twips); };
        const QRect stored(pixels(row.left), pixels(row.top), pixels(row.width),
                           pixels(row.height));
        const QWidget* control = this->control(name);
        QCOMPARE(control->pos(), stored.topLeft());
        QVERIFY(window_->rect().contains(control->geometry()));
        for (const QWidget* other : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(other == control || !other->geometry().intersects(control->geometry()),
                     qPrintable(other->objectName()));
        const runtime::Sizing sizing = row.look.sizing;
        if (sizing != runtime::Sizing::ToText)
            QCOMPARE(control->width(), stored.width());
        if (sizing == runtime::Sizing::Stored)
            QCOMPARE(control->height(), stored.height());
        if (row.kind == runtime::ControlKind::TextField)
            return;
        // The caption is drawn whole inside its control; one sized to its text
        // is snug, with less than a line (across: two characters) to spare.
        const QFontMetrics metrics(control->font());
        const QRect room = control->contentsRect();
        const QSize needed =
            sizing == runtime::Sizing::HeightToText
                ? metrics.boundingRect(room, Qt::TextWordWrap, shownText(control)).size()
                : metrics.size(Qt::TextSingleLine, shownText(control));
        QVERIFY(room.width() >= needed.width() && room.height() >= needed.height());
        if (sizing == runtime::Sizing::ToText)
            QVERIFY2(
                room.width() < needed.width() + 2 * metrics.averageCharWidth(),
                qPrintable(QStringLiteral("%1 wide for %2").arg(room.width()).arg(needed.width())));
        if (sizing != runtime::Sizing::Stored)
            QVERIFY(room.height() < needed.height() + metrics.height());
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");

        // clang-format off
        QTest::newRow("field")                          << "txtEuro"      << "Liberation Serif" << 12.0 << false;
        QTest::newRow("label keeps 9.75 points")        << "Label1"       << "Liberation Sans"  << 9.75 << false;
        QTest::newRow("banner")                         << "lblConverter" << "Comic Neue"       << 18.0 << true;
        QTest::newRow("button takes the window's font") << "cmdClear"     << "Liberation Sans"  << 8.25 << false;
        // clang-format on
    }

    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(bool, bold);

        const QFont font = control(name)->font();
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(QFontInfo(font).bold(), bold);
    }

    void looks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background"); // invalid: transparent
        QTest::addColumn<int>("border");

        const QColor transparent;
        const QColor green(0, 192, 0);
        const QColor black(Qt::black);
        QTest::newRow("credit") << "lblTambrel" << black << green << 2;
        QTest::newRow("hint") << "lblPuntToEuro" << black << QColor(Qt::yellow) << 2;
        QTest::newRow("label") << "Label2" << QColor(Qt::white) << transparent << 0;
        QTest::newRow("banner") << "lblConverter" << green << transparent << 0;
    }

    void looks()
    {
        QFETCH(QString, name);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(int, border);

        const auto* label = qobject_cast<const QLabel*>(control(name));
        QCOMPARE(label->palette().color(QPalette::WindowText), text);
        QCOMPARE(label->autoFillBackground(), background.isValid());
        if (background.isValid())
            QCOMPARE(label->palette().color(QPalette::Window), background);
        QCOMPARE(label->frameWidth(), border);
    }

    void textsReadUnderLightAndDarkPalettes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dark");

        for (const bool dark : {false, true})
            for (QWidget* widget : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QTest::addRow("%s, %s", qPrintable(widget->objectName()), dark ? "dark" : "light")
                    << widget->objectName() << dark;
    }

    // The text's ink, where drawing the text changes the grab, reaches 4.5:1
    // against everything behind the text.
    void textsReadUnderLightAndDarkPalettes()
    {
        QFETCH(QString, name);
        QFETCH(bool, dark);

        const QPalette light = QApplication::palette();
        const auto usePalette = [](const QPalette& palette) {
            QApplication::setPalette(palette);
            QCoreApplication::processEvents(); // the change reaches widgets as events
        };
        const auto restorePalette = qScopeGuard([&] { usePalette(light); });
        usePalette(dark ? darkPalette() : light);
        QWidget* widget = control(name);
        const QString text = widget->property("text").toString();
        const auto restoreText = qScopeGuard([&] { widget->setProperty("text", text); });
        widget->setProperty("text", text.isEmpty() ? QStringLiteral("-126.97") : text);
        const QImage withText = window_->grab(widget->geometry()).toImage();
        widget->setProperty("text", QString());
        const QImage behind = window_->grab(widget->geometry()).toImage();

        QList<QPoint> inked;
        QPoint boldest;
        for (int y = 0; y < withText.height(); ++y)
            for (int x = 0; x < withText.width(); ++x)
                if (withText.pixel(x, y) != behind.pixel(x, y)) {
                    inked << QPoint(x, y);
                    if (contrast(withText.pixel(x, y), behind.pixel(x, y)) >
                        contrast(withText.pixel(boldest), behind.pixel(boldest)))
                        boldest = QPoint(x, y);
                }
        QVERIFY(!inked.isEmpty());
        const QRgb ink = withText.pixel(boldest);
        double worst = 21;
        for (const QPoint& at : inked)
            worst = std::min(worst, contrast(ink, behind.pixel(at)));
        QVERIFY2(worst >= 4.5, qPrintable(QString::number(worst)));
    }

    void pictureIsAnUncompressed24BitBitmap()
    {
        QFile file(qthost::pictureResourcePath(window::frmEuroDefinition.picture));
        QVERIFY2(file.open(QIODevice::ReadOnly), "the picture is not compiled in");
        const QByteArray header = file.read(54);
        QCOMPARE(header.left(2), QByteArray("BM"));
        const auto word = [&](int at) {
            return quint16(quint8(header[at]) | quint8(header[at + 1]) << 8);
        };
        QCOMPARE(word(18), quint16(686)); // width, low half
        QCOMPARE(word(22), quint16(456)); // height, low half
        QCOMPARE(word(28), quint16(24));  // bits per pixel
        QCOMPARE(word(30), quint16(0));   // no compression
    }

    void pictureShowsFromTheTopLeft_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("percentMatching");

        QTest::newRow("top-left corner") << QRect(0, 0, 1, 1) << 100;
        QTest::newRow("bottom-right corner") << QRect(409, 318, 1, 1) << 100;
        // Between the letters of a transparent label the picture shows.
        QTest::newRow("behind a label") << QRect(8, 48, 50, 16) << 50;
    }

    void pictureShowsFromTheTopLeft()
    {
        QFETCH(QRect, area);
        QFETCH(int, percentMatching);

        const QImage picture(qthost::pictureResourcePath(window::frmEuroDefinition.picture));
        const QImage shown = window_->grab().toImage();
        // A device pixel in the middle of each logical one, at any scale.
        const qreal scale = shown.devicePixelRatio();
        const auto device = [scale](int logical) { return int((logical + 0.5) * scale); };
        int matching = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                matching += shown.pixel(device(x), device(y)) == picture.pixel(x, y);
        QVERIFY(matching * 100 >= percentMatching * area.width() * area.height());
    }

    // It leaves fullscreen when asked into it, unless asked again at once.
    void fullscreenIsRefusedOnce()
    {
        qthost::QtHost freshHost(window::program);
        qthost::MainWindow& fresh = freshHost.window();
        fresh.setWindowState(Qt::WindowFullScreen);
        QVERIFY(QTest::qWaitFor([&] { return fresh.windowState() == Qt::WindowNoState; }));
        fresh.setWindowState(Qt::WindowFullScreen);
        QCOMPARE(fresh.windowState(), Qt::WindowFullScreen);
    }

    // Before any key is pressed, Exit looks focused: its focus frame shows.
    void focusShowsFromTheStart()
    {
        const auto backToWindow = qScopeGuard([&] { window_->activateWindow(); });
        qthost::QtHost freshHost(window::program);
        qthost::MainWindow& fresh = freshHost.window();
        fresh.show();
        fresh.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fresh));
        QWidget* exit = requireControl(fresh, "cmdExit");
        const QImage focused = exit->grab().toImage();
        requireControl(fresh, "cmdClear")->setFocus();
        QVERIFY(exit->grab().toImage() != focused);
    }

private:
    QWidget* control(const QString& name) const { return requireControl(*window_, name); }

    std::unique_ptr<qthost::QtHost> host_;
    qthost::MainWindow* window_ = nullptr;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
