// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How tests reach a window's controls: by the object name the window gives
// them (the names screen readers and the accessibility table use), never
// through the window's members, which are its own business.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace tovimar::testing {

// The one control of type C named `name` among `window`'s descendants. A
// name that is missing, or given twice, is a fault of the test or of the
// window: it stops the test at once, naming the window and the control.
template <class C> C* control(const QObject& window, const char* name) {
    const QList<C*> found = window.findChildren<C*>(QString::fromUtf8(name));
    if (found.size() != 1)
        qFatal("%s: %lld controls named \"%s\" of the expected type (one was expected)",
               qPrintable(window.objectName()), static_cast<long long>(found.size()), name);
    return found.front();
}

} // namespace tovimar::testing
