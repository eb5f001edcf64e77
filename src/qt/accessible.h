// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screen readers learn of the program's own widgets through accessible
// interfaces that a factory makes when Qt asks for one by class name. Each
// such widget class has Q_OBJECT, so that Qt asks by its own name and not by
// its base class's (then Qt's own interface would answer).
#include <QAccessible>

namespace sumdart {

template <class Widget, class Accessible>
QAccessibleInterface* makeAccessible(const QString& className, QObject* object) {
  if (object && object->isWidgetType() && className == QLatin1String(Widget::staticMetaObject.className()))
    return new Accessible(static_cast<Widget*>(object));
  return nullptr;
}

// Installs the factory once, when the first such widget is made: after the
// application object, which Qt needs first.
template <class Widget, class Accessible>
void installAccessible() {
  static const bool installed = (QAccessible::installFactory(&makeAccessible<Widget, Accessible>), true);
  (void)installed;
}

}  // namespace sumdart
