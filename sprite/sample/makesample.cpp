// Writes the sample picture, a 10050-byte multicolour picture file, to the
// path given as the only argument. Run by the build to put sample.prg
// beside the programs.
#include "sprite/sample/samplepicture.h"

#include <QSaveFile>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.prg\n", argv[0]);
        return 2;
    }
    const QByteArray bytes = pixmoth::samplePictureBytes();
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1],
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
