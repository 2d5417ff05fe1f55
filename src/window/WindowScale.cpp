#include "window/WindowScale.h"

#include <QGuiApplication>
#include <QWidget>

WindowScale WindowScale::of(const QWidget& widget) {
    return WindowScale(widget.logicalDpiX() / 96.0);
}

QRect WindowScale::operator()(const QRect& designed) const {
    const QPoint topLeft((*this)(designed.left()), (*this)(designed.top()));
    const QPoint pastBottomRight((*this)(designed.left() + designed.width()),
                                 (*this)(designed.top() + designed.height()));
    return {topLeft, pastBottomRight - QPoint(1, 1)};
}

void useWholeScaleFactors() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Floor);
}
