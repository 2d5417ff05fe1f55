#include "shelf/FindDialog.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

// The titles found: the indexes of the titles that hold the text, replaced whole each time, so
// that a key at thousands of titles costs one reset and no item of its own per title.
class FoundTitles : public QAbstractListModel {
public:
    explicit FoundTitles(const QStringList& titles, QObject* parent)
        : QAbstractListModel(parent), titles(titles) {}

    void show(QList<int> indexes) {
        beginResetModel();
        shown = std::move(indexes);
        endResetModel();
    }
    int listIndex(int row) const { return row >= 0 && row < shown.size() ? shown[row] : -1; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(shown.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return titles[shown[index.row()]];
    }

private:
    const QStringList titles;
    QList<int> shown;
};

FindDialog::FindDialog(const QStringList& titles, QWidget* parent)
    : QDialog(parent), search(titles) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("Find"));
    auto* layout = new QVBoxLayout(this);
    text = new QLineEdit(this);
    text->setObjectName(QStringLiteral("findText"));
    text->setPlaceholderText(QStringLiteral("Part of a title"));
    text->setClearButtonEnabled(true);
    text->setAccessibleName(QStringLiteral("Part of a title"));
    text->installEventFilter(this);
    found = new FoundTitles(titles, this);
    results = new QListView(this);
    results->setObjectName(QStringLiteral("foundTitles"));
    results->setModel(found);
    results->setUniformItemSizes(true);
    results->setAccessibleName(QStringLiteral("Titles found"));
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(text);
    layout->addWidget(results);
    connect(text, &QLineEdit::textChanged, this, &FindDialog::showFound);
    connect(text, &QLineEdit::returnPressed, this, &FindDialog::choose);
    connect(results, &QListView::doubleClicked, this, &FindDialog::choose);
    showFound({});
    resize(320, 360);
}

void FindDialog::showFound(const QString& typed) {
    found->show(search.find(typed));
    if (found->rowCount() > 0)
        results->setCurrentIndex(found->index(0));
}

void FindDialog::choose() {
    choice = found->listIndex(results->currentIndex().row());
    if (choice >= 0)
        accept();
}

bool FindDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            // The results move while the text keeps the focus and the typing goes on.
            QCoreApplication::sendEvent(results, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
