// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/screen_windows.h"

#include <QGuiApplication>
#include <QScreen>

#include "qt/twips.h"
#include "qt/zoom.h"

namespace sumdart {

ScreenWindows::ScreenWindows(QtDesktop& desktop, std::function<void()> settle)
    : desktop_(desktop), settle_(std::move(settle)) {}

ScreenWindows::~ScreenWindows() {
  if (zoom_) zoom_->changed = nullptr;
  for (auto& [screen, window] : windows_) {
    const_cast<Screen*>(screen)->changed = nullptr;
    delete window.data();
  }
}

FormWindow* ScreenWindows::window(const Screen& s) const {
  const auto it = windows_.find(&s);
  return it == windows_.end() ? nullptr : it->second.data();
}

void ScreenWindows::show(Screen& s) {
  QPointer<FormWindow>& w = windows_[&s];
  if (!w) {
    w = new FormWindow(s, desktop_, [this] { afterEvent(); });
    FormWindow* drawn = w;
    s.changed = [drawn] { drawn->render(); };
    if (zoom_) {
      QObject::connect(w, &FormWindow::zoomKey, w, [this](int direction) {
        if (zoom_) zoom_->step(direction);
      });
      QObject::connect(w, &FormWindow::titleBarSeen, w, [this, drawn](int height) {
        const QScreen* screen = drawn->screen();
        if (zoom_ && screen) zoom_->setScreen(screen->availableGeometry().size(), height);
      });
    }
  }
  // Shown, then drawn: the window comes up before its controls are made and
  // its text is laid out (the first time, with the fonts loaded), and the
  // records are all in place before its first paint.
  w->show();
  w->render();
  if (s.form.place == Placement::FullScreen) {
    w->lower();
  } else {
    w->raise();
    w->activateWindow();
  }
}

void ScreenWindows::close(Screen& s) {
  const auto it = windows_.find(&s);
  if (it == windows_.end()) return;
  s.changed = nullptr;
  if (FormWindow* w = it->second) {
    w->detach();
    w->hide();
    // The window may be inside its own click handler: it goes once that is over.
    w->deleteLater();
  }
  windows_.erase(it);
}

void ScreenWindows::setZoom(ZoomControl* zoom) {
  zoom_ = zoom;
  if (!zoom) return;
  zoom->changed = [this] {
    zoomFactor() = zoom_->effective();
    for (auto& [screen, window] : windows_)
      if (window) window->rezoom();
  };
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    zoom->setScreen(screen->availableGeometry().size(), zoom->titleBar());
  zoomFactor() = zoom->effective();
}

void ScreenWindows::afterEvent() {
  if (settle_) settle_();
  for (auto& [screen, window] : windows_)
    if (window) window->render();
}

}  // namespace sumdart
