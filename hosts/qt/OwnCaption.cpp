#include "OwnCaption.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWindow>

#include <vector>

namespace qthost {

namespace {

class CaptionRow final : public QLabel {
public:
    CaptionRow(const QString& title, QWidget* parent)
        : QLabel(title, parent)
    {
        setObjectName(QStringLiteral("caption"));
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignCenter);
        setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        setMargin(4);
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
        setBackgroundRole(QPalette::Button);
        setAutoFillBackground(true);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && window()->windowHandle())
            window()->windowHandle()->startSystemMove();
        QLabel::mousePressEvent(event);
    }
};

struct PlacedItem {
    QLayoutItem* item;
    int row, column, rowSpan, columnSpan;
};

} // namespace

void giveOwnCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    box.setWindowFlag(Qt::FramelessWindowHint);
    // A frameless window draws no edge of its own against what lies behind.
    box.setStyleSheet(QStringLiteral("QMessageBox { border: 1px solid palette(shadow); }"));

    // Every row moves down one, so the caption can take the top.
    std::vector<PlacedItem> placed;
    while (grid->count() > 0) {
        PlacedItem entry{};
        grid->getItemPosition(0, &entry.row, &entry.column, &entry.rowSpan, &entry.columnSpan);
        entry.item = grid->takeAt(0);
        placed.push_back(entry);
    }
    for (const PlacedItem& entry : placed)
        grid->addItem(entry.item, entry.row + 1, entry.column, entry.rowSpan, entry.columnSpan);
    grid->addWidget(new CaptionRow(box.windowTitle(), &box), 0, 0, 1, grid->columnCount());
}

} // namespace qthost
