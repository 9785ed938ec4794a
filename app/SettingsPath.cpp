#include "app/SettingsPath.h"

#include <QStandardPaths>

QString settingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Varnok/Varnok.conf");
}
