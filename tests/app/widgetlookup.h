#pragma once

#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace yardmark {

/// The control of `parent` named `name`, failing the test when there is none.
template <typename T> T *child(const QWidget &parent, const char *name)
{
    T *widget = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

/// A mouse click on the push button named `button`, as the user gives it.
inline void click(const QWidget &dialog, const char *button)
{
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

} // namespace yardmark
