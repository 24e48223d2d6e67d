#pragma once

// Places and sizes in twips, the unit of the window's design: 15 twips to a pixel at 96 dpi.

namespace rt {

inline constexpr int kTwipsPerPixel = 15;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // Right and bottom edges are exclusive, so two controls that merely touch do not overlap.
    bool contains(Point p) const
    {
        return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
    }
    Point centre() const { return {left + width / 2, top + height / 2}; }
    Rect movedBy(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A pixel stands for the twips at its centre, so a click on a control's edge pixel lands inside it.
inline constexpr int twipsFromPixel(int pixel) { return pixel * kTwipsPerPixel + kTwipsPerPixel / 2; }
inline constexpr int pixelsFromTwips(int twips) { return twips / kTwipsPerPixel; }

} // namespace rt
