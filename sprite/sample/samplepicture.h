#pragma once

#include "canvas.h"

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

// The file name of the sample picture beside the program's files.
inline const QString kSampleFileName = QStringLiteral("sample.prg");

// The folder that holds the program's files, where File > Load starts, for
// the program in `programFolder`: that folder itself when the sample picture
// lies there (the build's bin folder), else the data folder
// ../share/pixmoth beside it when that exists (an installed program in
// <prefix>/bin), else the program's folder.
QString programFilesFolder(const QString& programFolder);

} // namespace pixmoth
