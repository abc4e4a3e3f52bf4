#include "framework/ui/Picture.h"

#include "framework/ui/ResourcesFolder.h"
#include "tests/support/GuiTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace {

class PictureTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        framework::seams::SetResourcesFolder(folder_.path().toStdString());
    }
    void TearDown() override {
        framework::seams::SetResourcesFolder({});
        GuiTest::TearDown();
    }

    QString PathOf(const char* fileName) const { return folder_.filePath(fileName); }

private:
    QTemporaryDir folder_;
};

TEST_F(PictureTest, LoadsAPictureFromTheResourcesFolder) {
    QImage image(510, 36, QImage::Format_ARGB32);
    image.fill(Qt::white);
    ASSERT_TRUE(image.save(PathOf("Title.png")));

    const auto picture = framework::Picture::OpenFromApp("Title.png");

    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 510);
    EXPECT_EQ(picture->Height(), 36);
    EXPECT_EQ(picture->Image().pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(PictureTest, MissingOrUnreadableFileGivesNoPicture) {
    QFile notAPicture(PathOf("Broken.png"));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.write("these bytes are no picture");
    notAPicture.close();

    EXPECT_EQ(framework::Picture::OpenFromApp("Missing.png"), nullptr);
    EXPECT_EQ(framework::Picture::OpenFromApp("Broken.png"), nullptr);
}

TEST(ResourcesFolderTest, LiesBesideTheProgramOrInsideItsBundle) {
    struct Case {
        const char* programFolder;
        const char* resources;
    };
    const Case cases[] = {
        {"/opt/quorvane/bin", "/opt/quorvane/bin/resources"},
        {"/opt/quorvane/bin/", "/opt/quorvane/bin/resources"},
        {"/Applications/Quorvane.app/Contents/MacOS",
         "/Applications/Quorvane.app/Contents/Resources"},
        {"/Applications/Quorvane.app/Contents/MacOS/",
         "/Applications/Quorvane.app/Contents/Resources"},
        {"/home/user/MacOS", "/home/user/MacOS/resources"},
    };
    for (const auto& [programFolder, resources] : cases) {
        EXPECT_EQ(framework::ResourcesFolderOfProgramIn(programFolder),
                  std::filesystem::path(resources))
            << programFolder;
    }
}

TEST(ResourcesFolderTest, RunningProgramLooksBesideItself) {
    const QString expected = QDir(QCoreApplication::applicationDirPath()).filePath("resources");

    EXPECT_EQ(framework::ResourcesFolder(), std::filesystem::path(expected.toStdString()));
}

} // namespace
