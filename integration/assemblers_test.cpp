// Nembra's byte tables and Pixmoth's sprite text, for a few random inputs,
// assembled by the real cross-assemblers: each must give back exactly the
// bytes the text was made from.
#include "prgtools/bytetable/core/bytetable.h"
#include "sprite/core/spritedata.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// One text to assemble and the bytes it stands for.
struct Source {
    QString name; // file name in the work folder
    QByteArray bytes;
    bool tabbedLines; // every line starts with a tab (Nembra's files)
};

// One way to assemble a source: the commands run in the work folder, with
// %S for the source file and %O for the binary it gives.
struct Assembler {
    const char* name;
    std::vector<QStringList> commands;
    bool needsTabbedLines; // reads column 0 as a label
};

const Assembler kAssemblers[] = {
    {"64tass", {{"64tass", "--quiet", "--nostart", "-o", "%O", "%S"}}, false},
    {"ca65", {{"ca65", "-o", "%O.o", "%S"}, {"ld65", "-t", "none", "-o", "%O", "%O.o"}}, false},
    {"xa", {{"xa", "-o", "%O", "%S"}}, false},
    // The file as it is, included behind the processor and origin.
    {"dasm",
     {{"sh", "-c", "printf '\\tprocessor 6502\\n\\torg 0\\n\\tinclude \"%S\"\\n' > %O.s"},
      {"dasm", "%O.s", "-f3", "-o%O"}},
     true},
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class Assemblers : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::mt19937 random{6502};
    std::vector<Source> sources;

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // A random PRG turned into a byte table by Nembra's conversion.
    void addByteTable(int index) {
        QByteArray prg;
        const int size = pick(1, 300);
        for (int i = 0; i < size + 2; ++i)
            prg.append(char(pick(0, 255)));
        const QString in = dir.filePath(QStringLiteral("table%1.prg").arg(index));
        const QString name = QStringLiteral("table%1.s").arg(index);
        ASSERT_TRUE(writeAll(in, prg));
        const nembra::ConversionRequest request{in, dir.filePath(name), pick(1, 32), {}};
        const prg::Outcome<qint64> written = nembra::convertToByteTable(request);
        ASSERT_TRUE(written.ok());
        ASSERT_EQ(*written, size);
        sources.push_back({name, prg.mid(2), true});
    }

    // A random capture with random colour choices as Pixmoth's sprite text.
    void addSprite(int index, pixmoth::SpriteNotation notation) {
        pixmoth::CapturedColours colours{};
        for (std::size_t k = 1; k < colours.size(); ++k)
            colours[k] = quint8(pick(0, 15));
        const pixmoth::SpriteChoices choices{pick(0, 16), pick(0, 16), pick(0, 16)};
        const pixmoth::SpriteBytes bytes = pixmoth::encodeSprite(colours, choices);
        const QString name = QStringLiteral("sprite%1.s").arg(index);
        ASSERT_TRUE(writeAll(dir.filePath(name), pixmoth::spriteText(bytes, notation).toLatin1()));
        sources.push_back(
            {name, QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()), false});
    }
};

TEST_F(Assemblers, GiveBackTheBytesOfEveryText) {
    for (int i = 0; i < 3; ++i) {
        addByteTable(i);
        addSprite(2 * i, pixmoth::SpriteNotation::Hex);
        addSprite(2 * i + 1, pixmoth::SpriteNotation::Binary);
    }
    for (const Source& source : sources) {
        for (const Assembler& assembler : kAssemblers) {
            if (assembler.needsTabbedLines && !source.tabbedLines)
                continue;
            SCOPED_TRACE(QStringLiteral("%1 with %2")
                             .arg(source.name, QLatin1String(assembler.name))
                             .toStdString());
            const QString output = source.name + QLatin1Char('.') + assembler.name;
            for (QStringList command : assembler.commands) {
                for (QString& argument : command)
                    argument.replace(QLatin1String("%S"), source.name)
                        .replace(QLatin1String("%O"), output);
                QProcess process;
                process.setWorkingDirectory(dir.path());
                process.setProcessChannelMode(QProcess::MergedChannels);
                process.start(command.takeFirst(), command);
                ASSERT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
                ASSERT_EQ(process.exitStatus(), QProcess::NormalExit);
                ASSERT_EQ(process.exitCode(), 0) << process.readAll().toStdString();
            }
            EXPECT_EQ(readAll(dir.filePath(output)).toHex(' '), source.bytes.toHex(' '));
        }
    }
}

} // namespace
