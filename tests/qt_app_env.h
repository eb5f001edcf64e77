// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object every Qt test binary that compiles qt_app_env.cpp runs under, an event loop
// that runs until a condition holds (never a sleep), and a file maker.
#include <QByteArray>
#include <QString>
#include <functional>

namespace sumdart::test {

// Processes events until `done()` is true; false when `timeoutMs` passed first.
bool runUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Writes `bytes` to `path`, making its folders; returns the absolute path.
QString writeFile(const QString& path, const QByteArray& bytes = "x");

}  // namespace sumdart::test
