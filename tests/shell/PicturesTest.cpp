#include "shell/Pictures.h"

#include "framework/ui/Picture.h"
#include "framework/ui/ResourcesFolder.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each picture loads once, at the size of the canvas that shows it; a failed load is tried again.
TEST(PicturesTest, EachPictureLoadsAtItsCanvasSizeOnceAndAFailedLoadIsTriedAgain) {
    const std::tuple<std::shared_ptr<framework::Picture> (*)(), int, int> pictures[] = {
        {Info32, 32, 32}, {QVRtitle, 510, 36}, {QVRtitleSm, 313, 20}, {Icon64, 64, 64}};
    for (const auto& [picture, width, height] : pictures) {
        ASSERT_NE(picture(), nullptr) << width;
        EXPECT_EQ(std::pair(picture()->Width(), picture()->Height()), std::pair(width, height));
        EXPECT_EQ(picture(), picture());
    }
    QTemporaryDir folder;
    framework::seams::SetResourcesFolder(folder.path().toStdString());
    CachedPicture cached("Info32.png");
    EXPECT_EQ(cached.Get(), nullptr);
    ASSERT_TRUE(QImage(32, 32, QImage::Format_ARGB32).save(folder.filePath("Info32.png")));
    const auto loaded = cached.Get();
    ASSERT_NE(loaded, nullptr);
    ASSERT_TRUE(QFile::remove(folder.filePath("Info32.png")));
    EXPECT_EQ(cached.Get(), loaded);
    framework::seams::SetResourcesFolder({});
}

} // namespace
