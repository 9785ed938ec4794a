#pragma once

#include <QString>

// The user's settings file: $XDG_CONFIG_HOME/Varnok/Varnok.conf, or
// ~/.config/Varnok/Varnok.conf.
QString settingsFilePath();
