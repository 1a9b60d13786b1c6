#include "twipslayout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace prg {

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
    }
    return scale;
}

QSize TwipsLayout::apply() const {
    const double sy = verticalScale();
    int right = px(m_clientWidth);
    for (const Item& item : m_items) {
        int x = px(item.left);
        int w = px(item.width);
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
