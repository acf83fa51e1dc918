#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace zendrova::test {

// The named child of a window; a missing one fails the test.
template <typename T> T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The visible top-level window of that name, if any.
inline QWidget *topLevel(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace zendrova::test
