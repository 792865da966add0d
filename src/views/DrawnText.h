#pragma once

#include "gui/TextWidths.h"
#include "platform/TextSurface.h"

#include <QFontMetrics>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

// What a paint routine draws, kept as text with the places it was drawn at, measured in a
// view's own font, so that what a screen reader is told comes from the very code that paints
// the view and cannot disagree with it.
class DrawnText final : public TextSurface {
public:
    struct Piece {
        QRect rect; // x, y as drawn; the text's width and the line height
        std::string text;
        Rgb colour;
    };

    // A line as the eye reads it: pieces in drawing order of one colour, each starting less
    // than half a text height above or below the first (lowered subscripts belong to their
    // line, and lines stand at least a text height apart).
    struct Line {
        std::vector<Piece> pieces;

        int y() const { return pieces.front().rect.y(); }
        Rgb colour() const { return pieces.front().colour; }
        QString text() const;
        QRect rect() const;
    };

    explicit DrawnText(const QFontMetrics& metrics) : metrics(metrics) {}

    void setTextColour(Rgb colour) override { current = colour; }
    void drawText(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override;
    int textHeight() override { return metrics.height(); }

    const std::vector<Piece>& pieces() const { return drawn; }
    std::vector<Line> lines() const;

private:
    QFontMetrics metrics;
    TextWidths widths{metrics};
    Rgb current = colours::black;
    std::vector<Piece> drawn;
};

// The texts of pieces run together, as the eye reads them along a line.
QString joinedText(const std::vector<DrawnText::Piece>& pieces);
