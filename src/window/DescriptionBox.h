#pragma once

#include <QPlainTextEdit>

// The description box: plain text the user can read, select and scroll but not change.
class DescriptionBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit DescriptionBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void DblClick();
    // The focus moved to another control of the window (not to a menu or another window).
    void LostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
