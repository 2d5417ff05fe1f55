#include "window/DescriptionBox.h"

#include <QFocusEvent>
#include <QMouseEvent>

DescriptionBox::DescriptionBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
}

void DescriptionBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    const bool leftForAnotherControl = event->reason() != Qt::ActiveWindowFocusReason &&
                                       event->reason() != Qt::PopupFocusReason &&
                                       event->reason() != Qt::MenuBarFocusReason;
    if (leftForAnotherControl)
        Q_EMIT LostFocus();
}

void DescriptionBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT DblClick();
}
