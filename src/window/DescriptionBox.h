#pragma once

#include <QPlainTextEdit>

// The description box: plain text the user can read, select and scroll but not change. The
// stepping, paging, Home and End keys scroll it; its accessible name follows its tooltip.
class DescriptionBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit DescriptionBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void DblClick();
    // The focus moved to another control of the window (not to a menu or another window).
    void LostFocus();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
