#include "shell/AboutBoxAnimation.h"

#include <QList>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

QList<QSize> grow(QSize picture)
{
    AboutBoxAnimation animation(picture);
    QList<QSize> sizes { animation.size() };
    while (animation.tick())
        sizes << animation.size();
    return sizes;
}

TEST(AboutBoxAnimation, GrowsOnePixelPerTickFromOneByOneToThePicture)
{
    const QList<QSize> square = grow(QSize(4, 4));
    EXPECT_EQ(square, QList<QSize>({ { 1, 1 }, { 2, 2 }, { 3, 3 }, { 4, 4 } }));

    // Each side stops at its own size.
    const QList<QSize> wide = grow(QSize(4, 2));
    EXPECT_EQ(wide, QList<QSize>({ { 1, 1 }, { 2, 2 }, { 3, 2 }, { 4, 2 } }));

    // A missing picture is already at its size.
    EXPECT_EQ(grow(QSize()), QList<QSize>({ { 1, 1 } }));
}

} // namespace
} // namespace zendrova
