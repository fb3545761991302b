#include "MainWindow.h"

#include "hosts/qt/CommandButton.h"
#include "hosts/qt/FieldAccessible.h"
#include "hosts/qt/PlatformFonts.h"
#include "hosts/qt/QtResources.h"
#include "hosts/qt/QtText.h"
#include "hosts/qt/WindowPicture.h"
#include "hosts/qt/desktop/Desktop.h"
#include "runtime/ClickDispatch.h"
#include "runtime/MessageText.h"
#include "runtime/WindowContract.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
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
        return new CommandButton(row, parent);
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

// Places the control in a client area whose top-left corner is <origin>; a
// control sized to its text keeps its top-left corner.
void applyGeometry(QWidget* control, const runtime::ControlDefinition& row, QPoint origin)
{
    const QRect stored = pixelRect(row).translated(origin);
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
// is the program's frame, named by its title.  Its fields read whole.
QAccessibleInterface* accessibleControl(const QString& /*className*/, QObject* object)
{
    if (auto* window = qobject_cast<MainWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* field = qobject_cast<QLineEdit*>(object))
        return new FieldAccessible(field);
    return nullptr;
}

} // namespace

MainWindow::MainWindow(const runtime::WindowDefinition& definition,
                       std::span<const runtime::ClickBinding> bindings, runtime::Host& host,
                       QWidget* parent)
    : QWidget(parent)
{
    QAccessible::installFactory(accessibleControl); // installed once however often called
    setObjectName(toQString(definition.name));
    setWindowTitle(toQString(definition.title));
    const QSize client(runtime::twipsToPixels(definition.clientWidth),
                       runtime::twipsToPixels(definition.clientHeight));
    clientTop_ = Desktop::running().fitMainWindow(*this, client);
    picturePath_ = pictureResourcePath(definition.picture);
    picture_ = windowPicture(picturePath_, client);
    setFont(toQFont(definition.font));
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(definition.backColour));
    setPalette(background);
    setAutoFillBackground(true);

    buildControls(definition);
    bindClicks(bindings, host);
    describeForScreenReaders(definition);
}

void MainWindow::buildControls(const runtime::WindowDefinition& definition)
{
    for (const runtime::ControlDefinition* row : runtime::creationOrder(definition)) {
        QWidget* control = createControl(*row, this);
        control->setObjectName(toQString(row->name));
        if (row->font)
            control->setFont(toQFont(*row->font));
        applyLook(control, row->look);
        applyGeometry(control, *row, QPoint(0, clientTop_));
        if (row->kind == runtime::ControlKind::TextField)
            control->installEventFilter(this);
        controls_.push_back({row, control});
    }

    std::vector<QWidget*> focusable;
    for (const runtime::ControlDefinition* row : runtime::tabOrder(definition))
        if (runtime::takesFocus(*row))
            focusable.push_back(requireControl(row->name));
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1], focusable[i]);
    if (const runtime::ControlDefinition* first = runtime::firstFocus(definition))
        requireControl(first->name)->setFocus();
}

void MainWindow::bindClicks(std::span<const runtime::ClickBinding> bindings, runtime::Host& host)
{
    for (const runtime::ClickBinding& binding : bindings) {
        auto* button = qobject_cast<QAbstractButton*>(requireControl(binding.control));
        connect(button, &QAbstractButton::clicked, this,
                [&host, handler = binding.handler] { runtime::deliverClick(host, handler); });
    }
}

void MainWindow::describeForScreenReaders(const runtime::WindowDefinition& definition)
{
    for (const runtime::AccessibleText& text : definition.accessibleTexts) {
        QWidget* target = requireControl(text.control);
        target->setAccessibleName(toQString(text.name));
        target->setAccessibleDescription(toQString(text.description));
    }
    for (const runtime::Buddy& buddy : definition.buddies)
        if (auto* label = qobject_cast<QLabel*>(control(buddy.label)))
            label->setBuddy(control(buddy.control));
}

QWidget* MainWindow::control(std::string_view name) const
{
    for (const Control& control : controls_)
        if (control.row->name == name)
            return control.widget;
    return nullptr;
}

QWidget* MainWindow::requireControl(std::string_view name) const
{
    QWidget* found = control(name);
    if (!found)
        throw std::logic_error(runtime::messages::noControlNamed(name));
    return found;
}

void MainWindow::centreOnScreen()
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

// Qt tells a screen reader that a field has the focus only after the field
// has reported its new caret and selection; Orca takes those reports first,
// moves to the field without a word (or reads the selection alone) and then
// finds the focus already there.  Told of them once more after the focus,
// Orca drops the earlier reports and reads the field as it reads every other
// control, its value once.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, watched, [field = qobject_cast<QLineEdit*>(watched)] {
            if (!field->hasFocus())
                return;
            QAccessibleTextCursorEvent caret(field, field->cursorPosition());
            QAccessible::updateAccessibility(&caret);
            QAccessibleTextSelectionEvent selection(field, field->selectionStart(),
                                                    field->selectionEnd());
            QAccessible::updateAccessibility(&selection);
        });
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    // Show the focus frame from the first frame, not only once a key has moved
    // the focus: Enter or Space already acts on the focused button.  Showing a
    // window clears this, so it is set here.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::showEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Read more of the picture only when a larger window could show it.
    const QSize shown = picture_.size();
    const QSize client = event->size() - QSize(0, clientTop_);
    if (client.width() > shown.width() || client.height() > shown.height()) {
        QPixmap larger = windowPicture(picturePath_, client.expandedTo(shown));
        if (larger.width() > shown.width() || larger.height() > shown.height())
            picture_ = std::move(larger);
    }
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, clientTop_, picture_);
}

} // namespace qthost
