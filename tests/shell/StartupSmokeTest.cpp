// The built program as a user starts it, on the offscreen platform: it must come up, live through
// the splash's hand-over to the converter window, and still be running afterwards with nothing
// to report.

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Longer than the 4000 ms splash, with room for a slow (sanitised) start.
constexpr int kWatchMilliseconds = 6500;

// The offscreen platform says so whenever a window asks to come to the front; that is the
// platform's limit, not the program's fault.
QString WithoutPlatformNotes(QString errors) {
    static const QRegularExpression notes("^This plugin does not support [^\\n]*\\n?",
                                          QRegularExpression::MultilineOption);
    return errors.remove(notes);
}

TEST(StartupSmokeTest, ProgramLivesThroughTheSplashHandOverWithoutError) {
    const QString program = QCoreApplication::applicationDirPath() + "/quorvane";
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString() << " is not built";
    QTemporaryDir runtimeDir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtimeDir.path());

    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {});
    ASSERT_TRUE(process.waitForStarted());
    const bool endedEarly = process.waitForFinished(kWatchMilliseconds);
    const QString errors = WithoutPlatformNotes(process.readAllStandardError());
    process.kill();
    process.waitForFinished();

    EXPECT_FALSE(endedEarly) << "the program ended on its own with status " << process.exitCode();
    EXPECT_EQ(errors.toStdString(), "");
}

} // namespace
