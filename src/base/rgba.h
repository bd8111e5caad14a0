#pragma once

// An sRGB colour with components and opacity from 0.0 to 1.0. The core keeps
// colours in this plain form; the UI converts them to QColor.
struct Rgba {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    bool operator==(const Rgba&) const = default;
};
