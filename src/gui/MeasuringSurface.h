#pragma once

#include "platform/Latin1.h"
#include "platform/TextSurface.h"

#include <QFontMetrics>
#include <QGuiApplication>

// Measures in the application font as a paint device renders it, before anything is painted,
// so that a printout can lay out its pages without a page being begun.
class MeasuringSurface final : public TextSurface {
public:
    explicit MeasuringSurface(QPaintDevice& device) : metrics(QGuiApplication::font(), &device) {}
    void setTextColour(Rgb) override {}
    void drawText(int, int, const std::string&) override {}
    int textWidth(const std::string& text) override
    {
        return metrics.horizontalAdvance(fromLatin1Bytes(text));
    }
    int textHeight() override { return metrics.height(); }

private:
    QFontMetrics metrics;
};
