#include "framework/ui/Picture.h"

#include "framework/ui/ResourcesFolder.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Nor does it say so on stderr: a picture missing from a copy of the program is no error.
TEST(PictureTest, MissingOrUnreadableFileGivesNoPictureAndLogsNothing) {
    QTemporaryDir folder;
    QFile notAPicture(folder.filePath("Broken.png"));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly) && notAPicture.write("no picture") > 0);
    notAPicture.close();
    framework::seams::SetResourcesFolder(folder.path().toStdString());
    static QStringList logged;
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& line) { logged << line; });

    EXPECT_EQ(framework::Picture::OpenFromApp("Missing.png"), nullptr);
    EXPECT_EQ(framework::Picture::OpenFromApp("Broken.png"), nullptr);
    qInstallMessageHandler(before);
    framework::seams::SetResourcesFolder({});
    EXPECT_EQ(logged.join('\n').toStdString(), "");
}

} // namespace
