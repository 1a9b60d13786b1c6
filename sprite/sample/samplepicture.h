#pragma once

#include "sprite/sample/canvas.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace pixmoth {

// One sprite-sized motif of the sample picture: its top-left corner in
// hi-res pixels (x 0..296, y 0..179) and its three colours.
struct SampleMotif {
    QString name;
    int x;
    int y;
    int colours[3];
};

// The motifs of the sample picture: a ship, a ball, a face, a heart, a tree,
// a ghost and a rocket. All but the rocket sit where the capture box lands
// with Align to grid on.
const std::vector<SampleMotif>& sampleMotifs();

// The sample picture: the motifs and a few stars on black.
Canvas sampleCanvas();

// The sample picture as a 10050-byte picture file.
QByteArray samplePictureBytes();

} // namespace pixmoth
