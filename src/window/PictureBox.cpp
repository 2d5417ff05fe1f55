#include "window/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int BorderWidth = 2;

} // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QImage& picture) {
    shown = picture;
    update();
}

void PictureBox::setScale(qreal factor) {
    scale = factor;
    setLineWidth(qRound(BorderWidth * factor));
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    if (hasFocus()) {
        // The mark covers the border alone: the picture's area is untouched.
        QRegion border(rect());
        painter.setClipRegion(border.subtracted(area));
        painter.fillRect(rect(), palette().color(QPalette::Highlight));
    }
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    if (scale != 1.0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
    }
    painter.drawImage(QPoint(0, 0), shown);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT DblClick();
    QFrame::mouseDoubleClickEvent(event);
}
