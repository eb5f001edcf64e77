// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up benchmark: the least a Qt Widgets program does
// to show a window of the title screen's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(372, 438);
  window.show();
  return QApplication::exec();
}
