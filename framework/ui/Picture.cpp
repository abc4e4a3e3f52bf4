#include "framework/ui/Picture.h"

#include "framework/ui/ResourcesFolder.h"

#include <QFile>
#include <utility>

namespace framework {

Picture::Picture(QImage image) : image_(std::move(image)) {}

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view fileName) {
    const std::string path = ResourcePath(fileName).string();
    QImage image(QFile::decodeName(path.c_str()));
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_shared<Picture>(std::move(image));
}

int Picture::Width() const {
    return image_.width();
}

int Picture::Height() const {
    return image_.height();
}

const QImage& Picture::Image() const {
    return image_;
}

} // namespace framework
