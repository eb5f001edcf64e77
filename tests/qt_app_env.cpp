// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_app_env.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <memory>

namespace sumdart::test {

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "sumdart-tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

bool runUntil(const std::function<bool()>& done, int timeoutMs) {
  // A short repeating timer wakes the loop, so waiting for events never blocks
  // past the deadline.
  QTimer wake;
  wake.setTimerType(Qt::PreciseTimer);
  wake.start(2);
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

QString writeFile(const QString& path, const QByteArray& bytes) {
  EXPECT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  EXPECT_EQ(f.write(bytes), bytes.size());
  return QFileInfo(path).absoluteFilePath();
}

}  // namespace sumdart::test
