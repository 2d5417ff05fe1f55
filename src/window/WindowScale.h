#pragma once

#include <QRect>

class QWidget;

// The window is drawn in the pixels of a 96-dpi screen, and grows with the desktop's scale the
// way positions in twips do: in proportion, each edge on a whole pixel. Qt itself scales only by
// whole factors (see useWholeScaleFactors), so no border falls between two pixels and vanishes.
class WindowScale {
public:
    explicit WindowScale(qreal factor) : factor(factor) {}
    // The scale of the screen the widget is on, from its logical dots per inch.
    static WindowScale of(const QWidget& widget);

    int operator()(int pixels) const { return qRound(pixels * factor); }
    QSize operator()(QSize size) const { return {(*this)(size.width()), (*this)(size.height())}; }
    // Scales the edges rather than the size, so that controls that touch keep touching.
    QRect operator()(const QRect& designed) const;

    qreal factor;
};

// Before the application object exists: Qt's own scaling rounds down to a whole factor and the
// rest of the desktop's scale reaches the window as a larger logical DPI, which WindowScale
// turns into whole pixels.
void useWholeScaleFactors();
