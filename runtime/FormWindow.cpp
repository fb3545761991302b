#include "FormWindow.h"

#include "runtime/CommandButton.h"
#include "runtime/QtText.h"
#include "runtime/VisiblePicture.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace runtime {

namespace {

// Makes the font faces that window definitions name resolve on Linux.
void registerFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

QFont toQFont(const FontSpec& stored)
{
    // Qt text is Unicode throughout, so the stored character set needs no
    // counterpart here.
    QFont font(toQString(stored.face));
    font.setPointSizeF(stored.points);
    font.setWeight(static_cast<QFont::Weight>(stored.weight));
    return font;
}

QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

QRect pixelRect(const ControlDefinition& row)
{
    return {twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
            twipsToPixels(row.height)};
}

QLabel* createLabel(const ControlDefinition& row, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(row.text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(row.look.wordWrap);
    if (row.look.sunkenBorder) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(2);
    }
    return label;
}

QWidget* createControl(const ControlDefinition& row, QWidget* parent)
{
    switch (row.kind) {
    case ControlKind::PushButton:
        return new CommandButton(toQString(row.text), parent);
    case ControlKind::TextField:
        return new QLineEdit(toQString(row.text), parent);
    case ControlKind::Label:
        return createLabel(row, parent);
    }
    return nullptr;
}

void applyLook(QWidget* control, const ControlLook& look)
{
    QPalette palette = control->palette();
    if (look.textColour) {
        palette.setColor(QPalette::WindowText, toQColor(*look.textColour));
        palette.setColor(QPalette::ButtonText, toQColor(*look.textColour));
        palette.setColor(QPalette::Text, toQColor(*look.textColour));
    }
    if (look.backColour) {
        palette.setColor(control->backgroundRole(), toQColor(*look.backColour));
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
}

// Places the control; a control sized to its text keeps its top-left corner.
void applyGeometry(QWidget* control, const ControlDefinition& row)
{
    const QRect stored = pixelRect(row);
    switch (row.look.sizing) {
    case Sizing::Stored:
        control->setGeometry(stored);
        break;
    case Sizing::ToText:
        control->move(stored.topLeft());
        control->resize(control->sizeHint());
        break;
    case Sizing::HeightToText:
        control->move(stored.topLeft());
        control->resize(stored.width(), control->heightForWidth(stored.width()));
        break;
    }
}

} // namespace

FormWindow::FormWindow(const FormDefinition& definition, QWidget* parent)
    : QWidget(parent)
{
    registerFontSubstitutes();
    setObjectName(toQString(definition.name));
    setWindowTitle(toQString(definition.title));
    // A fixed size, so no maximise button either.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(definition.clientWidth), twipsToPixels(definition.clientHeight));
    picture_ = visiblePicture(toQString(definition.picture), size());
    setFont(toQFont(definition.font));
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(definition.backColour));
    setPalette(background);
    setAutoFillBackground(true);

    buildControls(definition.controls);
    describeForScreenReaders(definition);
}

void FormWindow::buildControls(std::span<const ControlDefinition> rows)
{
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlDefinition& row : rows) {
        QWidget* control = createControl(row, this);
        control->setObjectName(toQString(row.name));
        if (row.font)
            control->setFont(toQFont(*row.font));
        applyLook(control, row.look);
        applyGeometry(control, row);
        if (control->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(row.tabIndex, control);
    }

    // The focus chain follows the tab indexes, and starts at the lowest.
    std::sort(focusable.begin(), focusable.end());
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    if (!focusable.empty())
        focusable.front().second->setFocus();
}

void FormWindow::describeForScreenReaders(const FormDefinition& definition)
{
    for (const AccessibleText& text : definition.accessibleTexts) {
        QWidget* target = requireControl(text.control);
        target->setAccessibleName(toQString(text.name));
        target->setAccessibleDescription(toQString(text.description));
    }
    for (const Buddy& buddy : definition.buddies) {
        auto* label = qobject_cast<QLabel*>(requireControl(buddy.label));
        if (!label)
            throw std::logic_error("a buddy is given to a control that is no label");
        label->setBuddy(requireControl(buddy.control));
    }
}

QWidget* FormWindow::control(std::string_view name) const
{
    return findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly);
}

QWidget* FormWindow::requireControl(std::string_view name) const
{
    QWidget* found = control(name);
    if (!found)
        throw std::logic_error("the window has no control named " + std::string(name));
    return found;
}

void FormWindow::centreOnScreen()
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

} // namespace runtime
