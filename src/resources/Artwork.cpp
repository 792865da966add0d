#include "resources/Artwork.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <array>
#include <limits>

namespace {

constexpr std::array<QRgb, 16> vgaPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
    0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
    0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

constexpr int splashSize = 200;
constexpr int splashMargin = 14;

const QColor black(0, 0, 0);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor magenta(255, 0, 255);
const QColor white(255, 255, 255);

QRgb nearestVgaColour(QRgb colour)
{
    QRgb best = vgaPalette[0];
    int bestDistance = std::numeric_limits<int>::max();
    for (QRgb candidate : vgaPalette) {
        const int dr = qRed(colour) - qRed(candidate);
        const int dg = qGreen(colour) - qGreen(candidate);
        const int db = qBlue(colour) - qBlue(candidate);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

// Each pixel becomes the nearest of the 16 VGA colours; pixels less than half opaque become
// fully transparent.
QImage toVgaColours(const QImage& picture)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = qAlpha(line[x]) < 128 ? qRgba(0, 0, 0, 0) : nearestVgaColour(line[x]);
    }
    return result;
}

QFont pixelFont(const QString& family, QFont::StyleHint hint, int pixelSize,
                QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    // Smoothed edges would only turn into grey fringes in 16 colours.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont sansFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    return pixelFont(QStringLiteral("DejaVu Sans"), QFont::SansSerif, pixelSize, weight);
}

// The compound name is set with serifs so that the I of mercury(I) cannot be read as an l.
QFont serifFont(int pixelSize)
{
    return pixelFont(QStringLiteral("DejaVu Serif"), QFont::Serif, pixelSize);
}

// Draws a formula with the digits set smaller and lower than the letters, as on a printed
// page; the baseline of the letters is y. Returns the x after the last character.
int drawFormula(QPainter& painter, int x, int y, const QString& formula, const QFont& font)
{
    QFont digits = font;
    digits.setPixelSize(font.pixelSize() * 2 / 3);
    const int drop = font.pixelSize() / 4;
    for (const QChar c : formula) {
        const bool subscript = c.isDigit();
        painter.setFont(subscript ? digits : font);
        painter.drawText(x, subscript ? y + drop : y, QString(c));
        x += QFontMetrics(painter.font()).horizontalAdvance(c);
    }
    return x;
}

int formulaWidth(const QString& formula, const QFont& font)
{
    QFont digits = font;
    digits.setPixelSize(font.pixelSize() * 2 / 3);
    const QFontMetrics letterMetrics(font);
    const QFontMetrics digitMetrics(digits);
    int width = 0;
    for (const QChar c : formula)
        width += (c.isDigit() ? digitMetrics : letterMetrics).horizontalAdvance(c);
    return width;
}

void drawCentred(QPainter& painter, int y, const QString& text, const QFont& font)
{
    painter.setFont(font);
    const int width = QFontMetrics(font).horizontalAdvance(text);
    painter.drawText((splashSize - width) / 2, y, text);
}

void drawCentredFormula(QPainter& painter, int y, const QString& formula, const QFont& font)
{
    drawFormula(painter, (splashSize - formulaWidth(formula, font)) / 2, y, formula, font);
}

// A word at the left margin and a formula ending at the right one, on a common baseline.
void drawWordAndFormula(QPainter& painter, int y, const QString& word, const QString& formula)
{
    const QFont wordFont = sansFont(17, QFont::Bold);
    const QFont formulaFont = sansFont(17);
    painter.setFont(wordFont);
    painter.drawText(splashMargin, y, word);
    const int right = splashSize - splashMargin;
    drawFormula(painter, right - formulaWidth(formula, formulaFont), y, formula, formulaFont);
}

// One ion of the icon: a ringed disc with its sign in white.
void drawIon(QPainter& painter, QPointF centre, qreal radius, const QColor& fill, bool plus)
{
    painter.setPen(QPen(black, 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(white, 3.0, Qt::SolidLine, Qt::FlatCap));
    // On the 32-pixel grid the centres sit on half pixels and the arms reach whole ones, so
    // the signs come out without grey fringes.
    const qreal arm = radius - 4.0;
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    if (plus)
        painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

// The icon is drawn on a 32 x 32 grid and scaled to any size: a red cation "+" and a blue
// anion "-", overlapping as an ion pair.
QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    drawIon(painter, {21.5, 21.5}, 9.5, blue, false);
    drawIon(painter, {11.5, 11.5}, 9.5, red, true);
    return image;
}

} // namespace

QPixmap splashPicture()
{
    QImage image(splashSize, splashSize, QImage::Format_RGB32);
    image.fill(white);
    QPainter painter(&image);

    painter.setPen(black);
    drawCentred(painter, 46, QStringLiteral("Valkora"), sansFont(38, QFont::Bold));
    painter.fillRect(QRect(splashMargin, 56, splashSize - 2 * splashMargin, 2), black);

    painter.setPen(red);
    drawWordAndFormula(painter, 82, QStringLiteral("Practice"), QStringLiteral("MgCl2"));
    drawWordAndFormula(painter, 106, QStringLiteral("Quizzes"), QStringLiteral("Fe2O3"));

    painter.setPen(blue);
    drawCentredFormula(painter, 136, QStringLiteral("Na3PO4"), sansFont(22, QFont::Bold));
    drawCentredFormula(painter, 164, QStringLiteral("(NH4)2SO3"), sansFont(22, QFont::Bold));

    painter.setPen(magenta);
    drawCentred(painter, 190, QStringLiteral("mercury(I) acetate"), serifFont(16));
    painter.end();

    return QPixmap::fromImage(toVgaColours(image));
}

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(toVgaColours(iconImage(32))));
    for (int size : {48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(iconImage(size)));
    return icon;
}
