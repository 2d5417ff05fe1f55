#pragma once

#include <QFrame>
#include <QImage>

// Shows a picture at its natural size from the top-left corner inside a two-pixel border,
// clipped at the border; it neither resizes itself nor fits the picture to its size. On a
// scaled desktop the border and the picture grow with the window (setScale). With the focus the
// border turns the theme's highlight colour, so that a keyboard user sees where the keys go,
// while the picture stays as it is.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return shown; }
    void setPicture(const QImage& picture);
    void setScale(qreal factor);

Q_SIGNALS:
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage shown;
    qreal scale = 1.0;
};
