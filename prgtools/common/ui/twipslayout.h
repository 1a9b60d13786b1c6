#pragma once

#include <QSize>

#include <vector>

class QWidget;

namespace prg {

// Places a window's controls from layout values in twips (15 twips to a
// pixel at 100 % scale). With fonts wider or taller than the layout's, the
// layout grows just enough that no caption is clipped: rows move apart
// evenly, columns move apart evenly until each caption fits the room beside
// it, and a caption widens into that room (a right-aligned label widens to
// the left). A multi-line box whose property kTextLines is set gets the
// height for that many lines.
class TwipsLayout {
public:
    TwipsLayout(int clientWidth, int clientHeight);

    void place(QWidget* widget, int left, int top, int width, int height);

    // Sets every geometry and returns the client size in pixels.
    QSize apply() const;

    // Pixels per layout pixel vertically (1.0 when the fonts fit).
    double verticalScale() const;
    // The same across.
    double horizontalScale() const;

    static const char* const kTextLines;

private:
    struct Item {
        QWidget* widget;
        int left, top, width, height;
    };
    std::vector<Item> m_items;
    int m_clientWidth;
    int m_clientHeight;
};

} // namespace prg
