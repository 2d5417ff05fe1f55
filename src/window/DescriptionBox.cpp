#include "window/DescriptionBox.h"

#include <QFocusEvent>
#include <QFontDatabase>
#include <QMouseEvent>

DescriptionBox::DescriptionBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
}

void DescriptionBox::showText(const QString& text, Pitch pitch) {
    shownPitch = pitch;
    applyPitch();
    setPlainText(text);
}

void DescriptionBox::applyPitch() {
    QFont shown = font();
    if (shownPitch == Pitch::Fixed) {
        shown = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        shown.setPointSizeF(font().pointSizeF());
    }
    document()->setDefaultFont(shown);
}

void DescriptionBox::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    // The box gives its document its own font whenever that changes.
    if (event->type() == QEvent::FontChange)
        applyPitch();
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
