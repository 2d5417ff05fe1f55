#pragma once

#include <QPlainTextEdit>

// The description box: plain text the user can read, select and scroll but not change. The
// stepping, paging, Home and End keys scroll it; its accessible name follows its tooltip.
class DescriptionBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit DescriptionBox(QWidget* parent = nullptr);

    enum class Pitch { BoxFont, Fixed };
    // Shows `text` in the box's own font, or in the desktop's fixed-pitch font at the box font's
    // size, in which the frames and tables of DOS texts line up.
    void showText(const QString& text, Pitch pitch = Pitch::BoxFont);
    Pitch pitch() const { return shownPitch; }

Q_SIGNALS:
    void DblClick();
    // The focus moved to another control of the window (not to a menu or another window).
    void LostFocus();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyPitch();

    Pitch shownPitch = Pitch::BoxFont;
};
