// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// A configuration folder of the test's own, in place before the main window reads the user's
// libraries from it: every test starts without a library file.
class FreshConfiguration {
protected:
    FreshConfiguration()
        : previous_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    ~FreshConfiguration() { qputenv("XDG_CONFIG_HOME", previous_); }

    QTemporaryDir config;

private:
    QByteArray previous_;
};
