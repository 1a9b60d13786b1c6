#include "prgtools/common/ui/twipslayout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace prg {

const char* const TwipsLayout::kTextLines = "textLines";

namespace {

constexpr double kTwipsPerPixel = 15.0;

int px(int twips) {
    return int(std::lround(twips / kTwipsPerPixel));
}

bool isCaption(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w);
}

// Controls whose height the layout fixes and whose text must not be cut.
bool isRowControl(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QStatusBar*>(w);
}

} // namespace

TwipsLayout::TwipsLayout(int clientWidth, int clientHeight)
    : m_clientWidth(clientWidth), m_clientHeight(clientHeight) {}

void TwipsLayout::place(QWidget* widget, int left, int top, int width, int height) {
    m_items.push_back({widget, left, top, width, height});
}

double TwipsLayout::verticalScale() const {
    double scale = 1.0;
    for (const Item& item : m_items) {
        if (isRowControl(item.widget) && item.height > 0)
            scale =
                std::max(scale, double(item.widget->minimumSizeHint().height()) / px(item.height));
        // A box of several lines shows them all without a scroll bar.
        if (const auto* text = qobject_cast<const QPlainTextEdit*>(item.widget);
            text && item.height > 0) {
            const int lines = text->property(kTextLines).toInt();
            const int need = lines * text->fontMetrics().lineSpacing() + 2 * text->frameWidth() +
                             int(std::ceil(2 * text->document()->documentMargin()));
            scale = std::max(scale, double(need) / px(item.height));
        }
    }
    return scale;
}

double TwipsLayout::horizontalScale() const {
    double scale = 1.0;
    for (const Item& item : m_items) {
        const auto* label = qobject_cast<const QLabel*>(item.widget);
        if (!label && !qobject_cast<const QAbstractButton*>(item.widget))
            continue;
        // The room a caption has: up to the next control on its row, or for
        // a right-aligned label back to the previous one.
        const bool rightAligned = label && (label->alignment() & Qt::AlignRight);
        int room = rightAligned ? item.left + item.width : m_clientWidth - item.left;
        for (const Item& other : m_items) {
            const bool sameRow = other.top < item.top + item.height &&
                                 item.top < other.top + other.height && &other != &item;
            if (!sameRow || other.width >= m_clientWidth)
                continue;
            if (!rightAligned && other.left > item.left)
                room = std::min(room, other.left - item.left);
            if (rightAligned && other.left + other.width <= item.left)
                room = std::min(room, item.left + item.width - (other.left + other.width));
        }
        if (room > 0)
            scale = std::max(scale, double(item.widget->sizeHint().width()) / px(room));
    }
    return scale;
}

QSize TwipsLayout::apply() const {
    const double sy = verticalScale();
    const double sx = horizontalScale();
    int right = int(std::lround(px(m_clientWidth) * sx));
    for (const Item& item : m_items) {
        int x = int(std::lround(px(item.left) * sx));
        int w = int(std::lround(px(item.width) * sx));
        int y = int(std::lround(px(item.top) * sy));
        int h = int(std::lround(px(item.height) * sy));
        if (isCaption(item.widget)) {
            const QSize hint = item.widget->sizeHint();
            if (hint.width() > w) {
                const auto* label = qobject_cast<const QLabel*>(item.widget);
                if (label && (label->alignment() & Qt::AlignRight))
                    x -= hint.width() - w;
                w = hint.width();
            }
            if (hint.height() > h) {
                y -= (hint.height() - h) / 2;
                h = hint.height();
            }
        }
        item.widget->setGeometry(x, y, w, h);
        right = std::max(right, x + w + 4);
    }
    return {right, int(std::lround(px(m_clientHeight) * sy))};
}

} // namespace prg
