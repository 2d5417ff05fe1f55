#pragma once

#include <QFrame>
#include <QImage>

// Shows a picture at its natural size from the top-left corner inside a two-pixel border,
// clipped at the border; it neither scales the picture nor resizes itself.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return shown; }
    void setPicture(const QImage& picture);

Q_SIGNALS:
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage shown;
};
