#include "prgtools/bytetable/core/inputchecks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using nembra::ConversionFields;
using nembra::ConversionRequest;
using nembra::InputProblem;
using Field = nembra::ConversionField;

struct Row {
    const char* name;
    ConversionFields texts; // "{dir}" stands for a folder holding game.prg and .hidden.prg
    const char* message;
    Field field;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

class InputChecks : public ::testing::TestWithParam<Row> {
protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        for (const char* name : {"game.prg", ".hidden.prg"}) {
            QFile file(QDir(folder->path()).filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("\x01\x08\x60", 3);
        }
        QDir(folder->path()).mkdir(QStringLiteral("folder.prg"));
    }
    static void TearDownTestSuite() { delete folder; }

    static QString at(QString text) { return text.replace(QLatin1String("{dir}"), folder->path()); }
    static ConversionFields resolved(ConversionFields t) {
        return {at(t.input), at(t.output), t.valuesPerRow, t.limit, t.limitStart, t.limitEnd};
    }

    static QTemporaryDir* folder;
};

QTemporaryDir* InputChecks::folder = nullptr;

TEST_P(InputChecks, FirstFailingCheckDecides) {
    const Row& row = GetParam();
    const auto result = nembra::checkInputs(resolved(row.texts));
    if (row.message == nullptr) {
        ASSERT_TRUE(std::holds_alternative<ConversionRequest>(result));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<InputProblem>(result));
    EXPECT_EQ(std::get<InputProblem>(result).message, QLatin1String(row.message));
    EXPECT_EQ(std::get<InputProblem>(result).field, row.field);
}

const QString kIn = QStringLiteral("{dir}/game.prg");
const QString kOut = QStringLiteral("{dir}/game.txt");
const QString k8 = QStringLiteral("8");

ConversionFields texts(QString in, QString out, QString values, bool limit = false,
                       QString start = QString(), QString end = QString()) {
    return {in, out, values, limit, start, end};
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, InputChecks,
    ::testing::Values(
        Row{"AllEmpty", texts("", "", ""), "Input filename is missing", Field::Input},
        Row{"BlankInput", texts("   ", kOut, k8), "Input filename is missing", Field::Input},
        Row{"MissingFile", texts("{dir}/none.prg", kOut, k8), "Invalid input filename",
            Field::Input},
        Row{"NoWildcards", texts("{dir}/*.prg", kOut, k8), "Invalid input filename", Field::Input},
        Row{"FolderIsNoFile", texts("{dir}/folder.prg", kOut, k8), "Invalid input filename",
            Field::Input},
        Row{"BlankOutput", texts(kIn, "  ", k8), "Output filename is missing", Field::Output},
        Row{"OutputIsInput", texts(kIn, kIn, k8), "Output file must not be the input file",
            Field::Output},
        Row{"SameFileOtherSpelling", texts(kIn, "{dir}/./game.prg", "ab"),
            "Output file must not be the input file", Field::Output},
        Row{"EmptyValues", texts(kIn, kOut, ""), "Values per row must be numeric", Field::Values},
        Row{"LettersForValues", texts(kIn, kOut, "ab"), "Values per row must be numeric",
            Field::Values},
        Row{"ZeroValues", texts(kIn, kOut, "0"), "Value per row must be between 1-32",
            Field::Values},
        Row{"HalfRoundsToZero", texts(kIn, kOut, ".5"), "Value per row must be between 1-32",
            Field::Values},
        Row{"HugeValues", texts(kIn, kOut, "123456789012345678901234567890"),
            "Value per row must be between 1-32", Field::Values},
        Row{"LimitWithoutStart", texts(kIn, kOut, k8, true, "", "c000"),
            "You must specify limit start and end", Field::LimitStart},
        Row{"LimitWithBlankEnd", texts(kIn, kOut, k8, true, "zz", "  "),
            "You must specify limit start and end", Field::LimitStart},
        Row{"UpperCaseStart", texts(kIn, kOut, k8, true, "C000", "zz"),
            "Invalid limit start address", Field::LimitStart},
        Row{"ShortStart", texts(kIn, kOut, k8, true, "801", "c000"), "Invalid limit start address",
            Field::LimitStart},
        Row{"BadEnd", texts(kIn, kOut, k8, true, "0801", "C0FF"), "Invalid limit end address",
            Field::LimitEnd},
        Row{"HiddenFileCounts", texts("{dir}/.hidden.prg", kOut, k8), nullptr, Field::Input},
        Row{"LimitBoxesIgnoredWhenUnchecked", texts(kIn, kOut, " 8", false, "zz", ""), nullptr,
            Field::Input}));

TEST(InputChecksRequest, CarriesTheRoundedValuesAndUnsignedLimits) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("a.prg"));
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const auto result =
        nembra::checkInputs({in, dir.filePath(QStringLiteral("a.txt")), QStringLiteral("2.5"), true,
                             QStringLiteral("0801"), QStringLiteral("ffff")});
    ASSERT_TRUE(std::holds_alternative<ConversionRequest>(result));
    const ConversionRequest& request = std::get<ConversionRequest>(result);
    EXPECT_EQ(request.valuesPerRow, 2);
    ASSERT_TRUE(request.limit.has_value());
    EXPECT_EQ(request.limit->start, 0x0801);
    EXPECT_EQ(request.limit->end, 65535);
}

} // namespace
