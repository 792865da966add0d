#include "views/DrawnText.h"

#include "platform/Latin1.h"

#include <cstdlib>

void DrawnText::drawText(int x, int y, const std::string& text)
{
    drawn.push_back({QRect(x, y, textWidth(text), textHeight()), text, current});
}

int DrawnText::textWidth(const std::string& text)
{
    return widths.of(text);
}

std::vector<DrawnText::Line> DrawnText::lines() const
{
    std::vector<Line> result;
    const int height = metrics.height();
    for (const Piece& piece : drawn) {
        if (!result.empty()) {
            Line& line = result.back();
            // A lowered subscript may come first; the next line is a text height further down.
            if (piece.colour == line.colour() && std::abs(piece.rect.y() - line.y()) * 2 < height) {
                line.pieces.push_back(piece);
                continue;
            }
        }
        result.push_back({{piece}});
    }
    return result;
}

QString DrawnText::Line::text() const
{
    return joinedText(pieces);
}

QRect DrawnText::Line::rect() const
{
    QRect all;
    for (const Piece& piece : pieces)
        all |= piece.rect;
    return all;
}

QString joinedText(const std::vector<DrawnText::Piece>& pieces)
{
    std::string all;
    for (const DrawnText::Piece& piece : pieces)
        all += piece.text;
    return fromLatin1Bytes(all);
}
