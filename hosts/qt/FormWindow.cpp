#include "FormWindow.h"

#include "hosts/qt/CommandButton.h"
#include "hosts/qt/PlatformFonts.h"
#include "hosts/qt/QtResources.h"
#include "hosts/qt/QtText.h"
#include "hosts/qt/VisiblePicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qthost {

namespace {

QFont toQFont(const runtime::FontSpec& stored)
{
    QFont font(installedFace(stored.face));
    font.setPointSizeF(stored.points);
    font.setWeight(static_cast<QFont::Weight>(stored.weight));
    return font;
}

QColor toQColor(runtime::Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

QRect pixelRect(const runtime::ControlDefinition& row)
{
    return {runtime::twipsToPixels(row.left), runtime::twipsToPixels(row.top),
            runtime::twipsToPixels(row.width), runtime::twipsToPixels(row.height)};
}

QLabel* createLabel(const runtime::ControlDefinition& row, QWidget* parent)
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

QWidget* createControl(const runtime::ControlDefinition& row, QWidget* parent)
{
    switch (row.kind) {
    case runtime::ControlKind::PushButton:
        return new CommandButton(toQString(row.text), parent);
    case runtime::ControlKind::TextField:
        return new QLineEdit(toQString(row.text), parent);
    case runtime::ControlKind::Label:
        return createLabel(row, parent);
    }
    return nullptr;
}

void applyLook(QWidget* control, const runtime::ControlLook& look)
{
    QPalette palette = control->palette();
    if (const std::optional<runtime::Rgb> textColour = runtime::shownTextColour(look)) {
        palette.setColor(QPalette::WindowText, toQColor(*textColour));
        palette.setColor(QPalette::ButtonText, toQColor(*textColour));
        palette.setColor(QPalette::Text, toQColor(*textColour));
    }
    if (look.backColour) {
        palette.setColor(control->backgroundRole(), toQColor(*look.backColour));
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
}

// Places the control; a control sized to its text keeps its top-left corner.
void applyGeometry(QWidget* control, const runtime::ControlDefinition& row)
{
    const QRect stored = pixelRect(row);
    switch (row.look.sizing) {
    case runtime::Sizing::Stored:
        control->setGeometry(stored);
        break;
    case runtime::Sizing::ToText:
        control->move(stored.topLeft());
        control->resize(control->sizeHint());
        break;
    case runtime::Sizing::HeightToText:
        control->move(stored.topLeft());
        control->resize(stored.width(), control->heightForWidth(stored.width()));
        break;
    }
}

// A screen reader takes a plain top-level widget for a filler; this window
// is the program's frame, named by its title.
QAccessibleInterface* accessibleFrame(const QString& /*className*/, QObject* object)
{
    if (auto* form = qobject_cast<FormWindow*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

FormWindow::FormWindow(const runtime::FormDefinition& definition, QWidget* parent)
    : QWidget(parent)
{
    QAccessible::installFactory(accessibleFrame); // installed once however often called
    setObjectName(toQString(definition.name));
    setWindowTitle(toQString(definition.title));
    // A fixed size, so no maximise button either.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(runtime::twipsToPixels(definition.clientWidth),
                 runtime::twipsToPixels(definition.clientHeight));
    picture_ = visiblePicture(pictureResourcePath(definition.picture), size());
    setFont(toQFont(definition.font));
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(definition.backColour));
    setPalette(background);
    setAutoFillBackground(true);

    buildControls(definition.controls);
    describeForScreenReaders(definition);
}

void FormWindow::buildControls(std::span<const runtime::ControlDefinition> rows)
{
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const runtime::ControlDefinition& row : rows) {
        QWidget* control = createControl(row, this);
        control->setObjectName(toQString(row.name));
        if (row.font)
            control->setFont(toQFont(*row.font));
        applyLook(control, row.look);
        applyGeometry(control, row);
        if (control->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(row.tabIndex, control);
    }

    // The focus chain follows the tab indexes, and starts at the lowest;
    // equal indexes keep the order of the definition.
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    if (!focusable.empty())
        focusable.front().second->setFocus();
}

void FormWindow::describeForScreenReaders(const runtime::FormDefinition& definition)
{
    for (const runtime::AccessibleText& text : definition.accessibleTexts) {
        QWidget* target = requireControl(text.control);
        target->setAccessibleName(toQString(text.name));
        target->setAccessibleDescription(toQString(text.description));
    }
    for (const runtime::Buddy& buddy : definition.buddies) {
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

void FormWindow::showEvent(QShowEvent* event)
{
    // Show the focus frame from the first frame, not only once a key has moved
    // the focus: Enter or Space already acts on the focused button.  Showing a
    // window clears this, so it is set here.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::showEvent(event);
}

void FormWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Window managers offer fullscreen even to a fixed-size window; it would
    // only lose its frame, so the window goes back to its normal state.  One
    // that puts it back at once (a kiosk's) gets its way instead of a fight.
    constexpr Qt::WindowStates filling = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() != QEvent::WindowStateChange || !(windowState() & filling))
        return;
    if (lastRefusedFilling_.isValid() && !lastRefusedFilling_.hasExpired(1000))
        return;
    lastRefusedFilling_.start();
    setWindowState(windowState() & ~filling);
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

} // namespace qthost
