#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

class SettingsStore;

// Every value of a store, "section/key" to its text, as Kavrel reads it.
using StoreValues = QMap<QString, QString>;

// The values of an INI file as Kavrel writes it; nothing when the bytes are no such file (no
// text, or lines the settings reader rejects).
std::optional<StoreValues> readIniBytes(const QByteArray& bytes);
std::optional<StoreValues> readIniFile(const QString& path);
// The same values as an INI file.
QByteArray iniBytes(const StoreValues& values);

#ifdef Q_OS_WIN
// The values under a registry key, named as a store's location names it.
StoreValues readRegistryValues(const QString& location);
#endif

// What the store holds as last written.
StoreValues readStoreValues(const SettingsStore& store);
// Makes the store hold exactly these values, in one write: keys it holds beyond them go.
void replaceStoreValues(SettingsStore& store, const StoreValues& values);

// "Games"/"Count" of the values, as start-up reads it.
int gameCountOf(const StoreValues& values);
