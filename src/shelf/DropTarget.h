#pragma once

#include "shelf/DroppedFiles.h"

#include <QObject>
#include <functional>

class QDropEvent;
class QWidget;

// Takes the drops of files on the window's controls. The drop cursor refuses what the window
// would not take (DroppedFiles::plan); a drop taken is handed on once the drop has ended, so
// that the dialogs it leads to do not run inside the desktop's drag.
class DropTarget : public QObject {
    Q_OBJECT

public:
    // `gameSelected` tells whether a game's screenshot or description can change.
    DropTarget(std::function<bool()> gameSelected, QObject* parent);

    // Takes drops on the control (and on what it shows them in) for the place.
    void watch(QWidget* control, DroppedFiles::Place place);

Q_SIGNALS:
    void dropped(const DroppedFiles::Plan& plan);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DroppedFiles::Plan planFor(QObject* watched, const QDropEvent& event) const;

    std::function<bool()> gameSelected;
    // A drag moving over one control asks again and again: the files are looked at once.
    mutable QObject* lastControl = nullptr;
    mutable QList<QUrl> lastDropped;
    mutable DroppedFiles::Plan lastPlan;
};
