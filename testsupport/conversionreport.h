#pragma once

// The PRG tools' run-time failure report, as the window tests expect it.

#include "testsupport/recordingprompts.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace prg::test {

// A conversion failed at run time: the last box (a start notice at most
// before it) is the four-line warning that names `output` and ends in
// "Main_cmdConvert_Click", and "Finished!" never came. When the disk could
// not keep the file, the reason is its "Input/output error".
inline void expectConversionFailureReport(const felgrove::RecordingPrompts& prompts,
                                          const QString& output, bool diskFailed) {
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_LE(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages.back().icon, felgrove::PromptIcon::Warning);
    const QStringList lines = prompts.messages.back().text.split(QLatin1String("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_NE(lines[0].toInt(), 0);
    EXPECT_TRUE(lines[1].contains(output)) << lines[1].toStdString();
    if (diskFailed) {
        EXPECT_TRUE(lines[1].endsWith(QLatin1String(": Input/output error")));
    }
    EXPECT_EQ(lines[3], QLatin1String("Main_cmdConvert_Click"));
    EXPECT_FALSE(prompts.texts().contains(QStringLiteral("Finished!")));
}

} // namespace prg::test
