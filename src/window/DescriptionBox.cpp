#include "window/DescriptionBox.h"

#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

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

void DescriptionBox::keyPressEvent(QKeyEvent* event) {
    // The text cursor is hidden in a read-only box, so moving it would show nothing until it left
    // the view: the scrolling keys move the view itself.
    struct Scroll {
        int key;
        Qt::Orientation bar;
        QAbstractSlider::SliderAction action;
    };
    using enum QAbstractSlider::SliderAction;
    static constexpr Scroll scrolls[] = {{Qt::Key_Up, Qt::Vertical, SliderSingleStepSub},
                                         {Qt::Key_Down, Qt::Vertical, SliderSingleStepAdd},
                                         {Qt::Key_Left, Qt::Horizontal, SliderSingleStepSub},
                                         {Qt::Key_Right, Qt::Horizontal, SliderSingleStepAdd},
                                         {Qt::Key_PageUp, Qt::Vertical, SliderPageStepSub},
                                         {Qt::Key_PageDown, Qt::Vertical, SliderPageStepAdd},
                                         {Qt::Key_Home, Qt::Vertical, SliderToMinimum},
                                         {Qt::Key_End, Qt::Vertical, SliderToMaximum}};
    const auto scroll = std::ranges::find(scrolls, event->key(), &Scroll::key);
    if (event->modifiers() != Qt::NoModifier || scroll == std::end(scrolls))
        return QPlainTextEdit::keyPressEvent(event);
    QScrollBar* bar = scroll->bar == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    bar->triggerAction(scroll->action);
    event->accept();
}

bool DescriptionBox::event(QEvent* event) {
    // A screen reader names the box as its tooltip does: the description, or the help text.
    if (event->type() == QEvent::ToolTipChange)
        setAccessibleName(toolTip());
    return QPlainTextEdit::event(event);
}
