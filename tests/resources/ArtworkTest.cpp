#include "resources/Artwork.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb red = qRgb(255, 0, 0);
const QRgb blue = qRgb(0, 0, 255);
const QRgb magenta = qRgb(255, 0, 255);
const QRgb white = qRgb(255, 255, 255);

std::set<QRgb> opaqueColours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                colours.insert(image.pixel(x, y));
    return colours;
}

// The rows on which a colour appears, as [first, last]; first > last when it does not.
std::pair<int, int> rowsOf(const QImage& image, QRgb colour)
{
    int first = image.height();
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) {
                first = std::min(first, y);
                last = std::max(last, y);
            }
    return {first, last};
}

TEST(Artwork, SplashIsA16ColourPictureOnWhite)
{
    const QImage splash = splashPicture().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(splash.size(), QSize(200, 200));

    const std::set<QRgb> colours = opaqueColours(splash);
    EXPECT_LE(colours.size(), 16u);
    for (QRgb colour : {black, red, blue, magenta, white})
        EXPECT_TRUE(colours.count(colour)) << std::hex << colour;

    // A white border all round: nothing is cut off at an edge.
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(splash.pixel(i, 0), white) << "top " << i;
        EXPECT_EQ(splash.pixel(i, 199), white) << "bottom " << i;
        EXPECT_EQ(splash.pixel(0, i), white) << "left " << i;
        EXPECT_EQ(splash.pixel(199, i), white) << "right " << i;
    }
}

TEST(Artwork, SplashLinesStandInOrderWithoutOverlapping)
{
    const QImage splash = splashPicture().toImage().convertToFormat(QImage::Format_ARGB32);
    const auto name = rowsOf(splash, black);
    const auto words = rowsOf(splash, red);
    const auto formulas = rowsOf(splash, blue);
    const auto compound = rowsOf(splash, magenta);

    EXPECT_LT(name.second, words.first);
    EXPECT_LT(words.second, formulas.first);
    EXPECT_LT(formulas.second, compound.first);
}

TEST(Artwork, IconHasA16Colour32PixelImageAndLargerSizes)
{
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;

    const QImage small = icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(small.size(), QSize(32, 32));
    const std::set<QRgb> colours = opaqueColours(small);
    EXPECT_LE(colours.size(), 16u);
    EXPECT_TRUE(colours.count(red));
    EXPECT_TRUE(colours.count(blue));
    EXPECT_EQ(qAlpha(small.pixel(0, 31)), 0) << "corner not transparent";
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int alpha = qAlpha(small.pixel(x, y));
            EXPECT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
        }

    const QImage large = icon.pixmap(QSize(256, 256)).toImage();
    EXPECT_EQ(large.size(), QSize(256, 256));
}

} // namespace
