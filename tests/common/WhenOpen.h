// Acting on a modal dialog from a test: the action runs once the dialog's
// own loop has started.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

namespace orvtest {

// Runs `act` on the modal dialog of type D once it is open.
template <typename D>
void WhenOpen(std::function<void(D&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        act(*d);
    });
}

} // namespace orvtest
