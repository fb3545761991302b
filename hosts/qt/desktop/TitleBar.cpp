#include "TitleBar.h"

#include "hosts/qt/QtText.h"
#include "hosts/qt/desktop/XdgToplevel.h"
#include "runtime/MessageText.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

#include <vector>

namespace qthost {

namespace {

QToolButton* windowButton(QStyle::StandardPixmap icon, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    // Out of the Tab order and the access keys, as a title bar's buttons are.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(name);
    button->setToolTip(name);
    return button;
}

struct PlacedItem {
    QLayoutItem* item;
    int row, column, rowSpan, columnSpan;
};

} // namespace

TitleBar::TitleBar(const QString& title, Buttons buttons, QWidget* window)
    : QFrame(window)
{
    setObjectName(QStringLiteral("titleBar"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);

    auto* label = new QLabel(title, this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    // A title bar's font, whatever font the window gives its own controls.
    QFont bold = QApplication::font();
    bold.setBold(true);
    label->setFont(bold);
    row->addWidget(label, 1);

    if (buttons == Buttons::Window) {
        QToolButton* minimise = windowButton(QStyle::SP_TitleBarMinButton,
                                             toQString(runtime::messages::minimiseWindow), this);
        QToolButton* close = windowButton(QStyle::SP_TitleBarCloseButton,
                                          toQString(runtime::messages::closeWindow), this);
        connect(minimise, &QToolButton::clicked, window, &QWidget::showMinimized);
        connect(close, &QToolButton::clicked, window, &QWidget::close);
        row->addWidget(minimise);
        row->addWidget(close);
    }
}

void TitleBar::mousePressEvent(QMouseEvent* event)
{
    if (QWindow* shown = window()->windowHandle()) {
        if (event->button() == Qt::LeftButton)
            shown->startSystemMove();
        else if (event->button() == Qt::RightButton)
            showWindowMenu(*shown, mapTo(window(), event->position().toPoint()));
    }
    QFrame::mousePressEvent(event);
}

void giveTitleBar(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    box.setWindowFlag(Qt::FramelessWindowHint);
    // A frameless window draws no edge of its own against what lies behind.
    box.setStyleSheet(QStringLiteral("QMessageBox { border: 1px solid palette(shadow); }"));

    // Every row moves down one, so the title bar can take the top.
    std::vector<PlacedItem> placed;
    while (grid->count() > 0) {
        PlacedItem entry{};
        grid->getItemPosition(0, &entry.row, &entry.column, &entry.rowSpan, &entry.columnSpan);
        entry.item = grid->takeAt(0);
        placed.push_back(entry);
    }
    for (const PlacedItem& entry : placed)
        grid->addItem(entry.item, entry.row + 1, entry.column, entry.rowSpan, entry.columnSpan);
    grid->addWidget(new TitleBar(box.windowTitle(), TitleBar::Buttons::None, &box), 0, 0, 1,
                    grid->columnCount());
}

} // namespace qthost
