#include "shell/Pictures.h"

#include "framework/ui/Picture.h"
#include "framework/ui/ResourcesFolder.h"

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(PicturesTest, FailedLoadIsTriedAgainAndALoadedPictureIsKept) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    framework::seams::SetResourcesFolder(folder.path().toStdString());
    CachedPicture cached("Info32.png");

    EXPECT_EQ(cached.Get(), nullptr);
    EXPECT_EQ(cached.Get(), nullptr);

    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    ASSERT_TRUE(image.save(folder.filePath("Info32.png")));
    const auto loaded = cached.Get();
    ASSERT_NE(loaded, nullptr);

    std::filesystem::remove(folder.filePath("Info32.png").toStdString());
    EXPECT_EQ(cached.Get(), loaded);
    framework::seams::SetResourcesFolder({});
}

TEST(PicturesTest, EachPictureLoadsAtTheSizeOfItsCanvasAndIsCached) {
    struct Case {
        const char* name;
        std::function<std::shared_ptr<framework::Picture>()> accessor;
        int width;
        int height;
    };
    const Case cases[] = {
        {"Info32", Info32, 32, 32},
        {"QVRtitle", QVRtitle, 510, 36},
        {"QVRtitleSm", QVRtitleSm, 313, 20},
        {"Icon64", Icon64, 64, 64},
    };
    for (const auto& [name, accessor, width, height] : cases) {
        SCOPED_TRACE(name);
        const auto picture = accessor();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width(), width);
        EXPECT_EQ(picture->Height(), height);
        EXPECT_EQ(accessor(), picture);
    }
}

} // namespace
