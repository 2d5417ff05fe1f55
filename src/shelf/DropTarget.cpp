#include "shelf/DropTarget.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

namespace {

const char* const PlaceProperty = "kavrelDropPlace";

} // namespace

DropTarget::DropTarget(std::function<bool()> gameSelected, QObject* parent)
    : QObject(parent), gameSelected(std::move(gameSelected)) {}

void DropTarget::watch(QWidget* control, DroppedFiles::Place place) {
    QList<QWidget*> receivers{control};
    // A scrolling control gets its drops through the area that shows its content.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        receivers.append(area->viewport());
    for (QWidget* receiver : receivers) {
        receiver->setAcceptDrops(true);
        receiver->setProperty(PlaceProperty, int(place));
        receiver->installEventFilter(this);
    }
}

DroppedFiles::Plan DropTarget::planFor(QObject* watched, const QDropEvent& event) const {
    if (!event.mimeData()->hasUrls())
        return {};
    const QList<QUrl> dropped = event.mimeData()->urls();
    if (event.type() != QEvent::DragMove || watched != lastControl || dropped != lastDropped) {
        const auto place = DroppedFiles::Place(watched->property(PlaceProperty).toInt());
        lastPlan = DroppedFiles::plan(dropped, place, gameSelected());
        lastControl = watched;
        lastDropped = dropped;
    }
    return lastPlan;
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (planFor(watched, *drag).action == DroppedFiles::Action::Refuse) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const DroppedFiles::Plan plan = planFor(watched, *drop);
        if (plan.action == DroppedFiles::Action::Refuse) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        QTimer::singleShot(0, this, [this, plan] { Q_EMIT dropped(plan); });
        return true;
    }
    default:
        return false;
    }
}
