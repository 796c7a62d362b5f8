// The icon built into the program is the installed icon: every size, the same pixels.
#include "gfx/backends/qt/app_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <algorithm>
#include <iterator>

namespace {

const int iconSizes[] = {48, 64, 128, 256};

QString installedPng(int size) {
    return QStringLiteral(TOWN_ICON_DIR "/%1x%1/apps/org.example.FennsTown.png").arg(size);
}

TEST(AppIcon, HoldsEverySizeOfTheInstalledIcon) {
    const QIcon icon = gfx::appIcon();
    ASSERT_FALSE(icon.isNull());
    QList<int> sizes;
    for (const QSize& size : icon.availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        sizes.append(size.width());
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, QList<int>(std::begin(iconSizes), std::end(iconSizes)));
}

TEST(AppIcon, EverySizeHasTheInstalledPixels) {
    const QIcon icon = gfx::appIcon();
    for (int size : iconSizes) {
        SCOPED_TRACE(size);
        const QImage installed(installedPng(size));
        ASSERT_EQ(installed.size(), QSize(size, size));
        const QImage shown = icon.pixmap(QSize(size, size)).toImage();
        // Premultiplied, as a pixmap holds it: the colour of a clear pixel does not count.
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  installed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

}  // namespace
