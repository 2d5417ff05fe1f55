#include "store/StoreLayout.h"

QString GameKey(int n) {
    return QStringLiteral("Game") + QString::number(n + 10000).right(4);
}
