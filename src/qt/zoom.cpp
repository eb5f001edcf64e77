// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/zoom.h"

#include "qt/twips.h"
#include "state/game_size.h"

#include <QSettings>
#include <algorithm>
#include <cmath>
#include <memory>

namespace sumdart {

namespace {
// The largest windows, in logical pixels at zoom 1.
constexpr double kFitWidth = kGameWidth / kTwipsPerPixel, kFitHeight = kGameHeight / kTwipsPerPixel;

std::unique_ptr<QSettings> openSettings(const QString& file) {
  if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("sumdart"),
                                     QStringLiteral("sumdart"));
}
}  // namespace

double fitZoom(QSize available, int titleBar) {
  if (available.width() <= 0 || available.height() <= titleBar) return ZoomControl::kMin;
  const double fit = std::min(available.width() / kFitWidth, (available.height() - std::max(0, titleBar)) / kFitHeight);
  return std::floor(fit * 100 + 1e-9) / 100;
}

std::optional<double> parseZoom(const QString& text) {
  if (text.trimmed().compare(QLatin1String("fit"), Qt::CaseInsensitive) == 0) return ZoomControl::kFit;
  bool ok = false;
  const double z = text.trimmed().toDouble(&ok);
  if (!ok || !(z >= ZoomControl::kMin && z <= ZoomControl::kMax)) return std::nullopt;
  return z;
}

ZoomControl::ZoomControl(QString settingsFile) : settingsFile_(std::move(settingsFile)) {
  const auto settings = openSettings(settingsFile_);
  bool ok = false;
  const double z = settings->value(QStringLiteral("zoom")).toDouble(&ok);
  if (settings->status() == QSettings::NoError && ok && z >= kMin && z <= kMax) chosen_ = z;
  update();
}

void ZoomControl::chooseForThisRun(double factor) {
  chosen_ = factor;
  update();
}

void ZoomControl::step(int direction) {
  chosen_ = direction == 0 ? 1.0 : std::clamp(effective_ + direction * kStep, kMin, kMax);
  // Steps land on quarters, whatever factor fitting gave.
  if (direction != 0) chosen_ = std::clamp(std::round(chosen_ / kStep) * kStep, kMin, kMax);
  const auto settings = openSettings(settingsFile_);
  settings->setValue(QStringLiteral("zoom"), chosen_);
  settings->sync();
  update();
}

void ZoomControl::setScreen(QSize available, int titleBar) {
  available_ = available;
  titleBar_ = std::max(titleBar_, titleBar);
  update();
}

double ZoomControl::effective() const { return effective_; }

void ZoomControl::update() {
  double z = chosen_;
  if (available_.isValid() && !available_.isEmpty()) {
    const double fit = fitZoom(available_, titleBar_);
    z = z == kFit ? std::min(fit, kMax) : std::min(z, fit);
  } else if (z == kFit) {
    z = 1.0;
  }
  if (z == effective_) return;
  effective_ = z;
  if (changed) changed();
}

}  // namespace sumdart
