#include "FieldAccessible.h"

#include <QFontMetrics>
#include <QVariant>

namespace qthost {

FieldAccessible::FieldAccessible(QLineEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{
}

QLineEdit* FieldAccessible::field() const
{
    return static_cast<QLineEdit*>(widget());
}

QString FieldAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value && !field()->text().isEmpty())
        return field()->text();
    return QAccessibleWidget::text(kind);
}

void FieldAccessible::setText(QAccessible::Text kind, const QString& text)
{
    if (kind == QAccessible::Value)
        field()->setText(text);
    else
        QAccessibleWidget::setText(kind, text);
}

QAccessible::State FieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !field()->isReadOnly();
    state.readOnly = field()->isReadOnly();
    state.selectable = true;
    state.selected = field()->hasSelectedText();
    return state;
}

void* FieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText())
        return;
    *startOffset = field()->selectionStart();
    *endOffset = field()->selectionEnd();
}

int FieldAccessible::selectionCount() const
{
    return field()->hasSelectedText() ? 1 : 0;
}

void FieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void FieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field()->deselect();
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setSelection(startOffset, endOffset - startOffset);
}

int FieldAccessible::cursorPosition() const
{
    return field()->cursorPosition();
}

void FieldAccessible::setCursorPosition(int position)
{
    field()->setCursorPosition(position);
}

QString FieldAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return field()->text().mid(startOffset, endOffset - startOffset);
}

int FieldAccessible::characterCount() const
{
    return static_cast<int>(field()->text().size());
}

// The field shows its text on one line, scrolled so that the cursor shows;
// a character lies as far from the cursor as the text between them is wide.
QRect FieldAccessible::characterRect(int offset) const
{
    const QString text = field()->text();
    if (offset < 0 || offset >= text.size())
        return {};
    const QFontMetrics metrics(field()->font());
    const QRect cursor = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int cursorAt = field()->cursorPosition();
    const int left = cursor.x() + metrics.horizontalAdvance(text.left(offset)) -
                     metrics.horizontalAdvance(text.left(cursorAt));
    const QRect shown(left, cursor.y(), metrics.horizontalAdvance(text.mid(offset, 1)),
                      cursor.height());
    return {field()->mapToGlobal(shown.topLeft()), shown.size()};
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const
{
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void FieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

// The field has no formatting: its whole text is one run without attributes.
QString FieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    const int length = characterCount();
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = length;
    return {};
}

void FieldAccessible::deleteText(int startOffset, int endOffset)
{
    field()->setText(field()->text().remove(startOffset, endOffset - startOffset));
}

void FieldAccessible::insertText(int offset, const QString& text)
{
    field()->setText(field()->text().insert(offset, text));
}

void FieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    field()->setText(field()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace qthost
