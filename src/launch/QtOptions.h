#pragma once

#include <QStringList>

// Qt's own command-line options, which every Qt program takes: "-style Fusion", "-style=Fusion",
// "--reverse", a session manager's "-session ID" when it restarts the desktop. Kavrel leaves
// them to Qt, which reads them when the window opens, and reads only the rest itself.
//
// The arguments without Qt's options and their values; the program's name stays first.
QStringList withoutQtOptions(const QStringList& arguments);
