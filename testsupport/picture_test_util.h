#pragma once

// Pictures for Pixmoth's tests.

#include "sprite/core/picture.h"

#include <QRandomGenerator>

namespace pixmoth::test {

// A picture of random bytes in every array (index 0 stays unused).
inline Picture randomPicture(quint32 seed) {
    QRandomGenerator random(seed);
    Picture p;
    for (auto* array : {&p.colourData, &p.screenData})
        for (std::size_t i = 1; i < array->size(); ++i)
            (*array)[i] = quint8(random.bounded(256));
    for (std::size_t i = 1; i < p.bitmapData.size(); ++i)
        p.bitmapData[i] = quint8(random.bounded(256));
    return p;
}

} // namespace pixmoth::test
