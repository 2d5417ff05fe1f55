// The platform's own per-user store through QSettings: on Windows the registry, where a collection
// has always been kept and where values have no text form to misread.
#include "platform/StoreBackend.h"

#include <QSettings>

namespace {

class NativeBackend : public StoreBackend {
public:
    explicit NativeBackend(const QString& where)
        : place(where), settings(std::make_unique<QSettings>(where, QSettings::NativeFormat)) {}

    std::optional<QString> value(const QString& key) const override {
        const QVariant stored = settings->value(key);
        if (!stored.isValid())
            return std::nullopt;
        if (stored.typeId() == QMetaType::QStringList)
            return stored.toStringList().join(QStringLiteral(", "));
        return stored.toString();
    }
    QStringList sections() const override { return settings->childGroups(); }
    QString location() const override { return settings->fileName(); }

    QString write(const QList<Change>& changes) override {
        // A QSettings of its own, whose status tells about this write alone; the values behind
        // it are shared with the reader.
        QSettings writer(place, QSettings::NativeFormat);
        for (const Change& change : changes) {
            if (change.value)
                writer.setValue(change.key, *change.value);
            else
                writer.remove(change.key);
        }
        writer.sync();
        if (writer.status() == QSettings::AccessError)
            return QStringLiteral("The settings in %1 cannot be written.").arg(location());
        return {};
    }

private:
    QString place;
    std::unique_ptr<QSettings> settings;
};

} // namespace

std::unique_ptr<StoreBackend> nativeBackend(const QString& location) {
    return std::make_unique<NativeBackend>(location);
}
