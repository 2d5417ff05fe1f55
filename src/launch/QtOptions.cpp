#include "launch/QtOptions.h"

#include <algorithm>
#include <array>

namespace {

// The options of QGuiApplication and QApplication, and those the X11 platform takes, by name
// without their dash.
constexpr std::array<QStringView, 15> OptionsWithValue = {u"platform",
                                                          u"platformpluginpath",
                                                          u"platformtheme",
                                                          u"plugin",
                                                          u"qwindowgeometry",
                                                          u"qwindowicon",
                                                          u"qwindowtitle",
                                                          u"session",
                                                          u"display",
                                                          u"geometry",
                                                          u"title",
                                                          u"icon",
                                                          u"name",
                                                          u"style",
                                                          u"stylesheet"};
constexpr std::array<QStringView, 6> OptionsAlone = {u"reverse", u"widgetcount", u"nograb",
                                                     u"dograb",  u"testability", u"sync"};
// These also take their value after "=".
constexpr std::array<QStringView, 3> OptionsWithJoinedValue = {u"style", u"stylesheet",
                                                               u"qmljsdebugger"};

template <std::size_t N> bool among(const std::array<QStringView, N>& names, QStringView name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // Qt takes its options with one dash or two; after "--" nothing is an option.
        if (argument == u"--") {
            kept += arguments.mid(i);
            break;
        }
        QStringView name(argument);
        if (!name.startsWith(u'-')) {
            kept.append(argument);
            continue;
        }
        name = name.mid(name.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        if (equals > 0 && among(OptionsWithJoinedValue, name.left(equals)))
            continue;
        if (among(OptionsWithValue, name))
            ++i; // its value, when there is one, is Qt's as well
        else if (!among(OptionsAlone, name) && name != u"qmljsdebugger")
            kept.append(argument);
    }
    return kept;
}
