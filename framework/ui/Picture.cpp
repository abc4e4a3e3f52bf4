#include "framework/ui/Picture.h"

#include "framework/ui/ResourcesFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <utility>

namespace framework {

Picture::Picture(QImage image) : image_(std::move(image)) {}

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view fileName) {
    const std::string path = ResourcePath(fileName).string();
    // A missing file is opened here, not by the reader, which would complain of it on stderr.
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    // Read by the file's own suffix: left to guess, the reader would first load every image
    // format plugin installed to ask each whether it reads that format, which costs start-up
    // several milliseconds before the splash can show.
    QImageReader reader(&file, QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
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

CachedPicture::CachedPicture(std::string fileName) : fileName_(std::move(fileName)) {}

std::shared_ptr<Picture> CachedPicture::Get() {
    if (!pic_) {
        pic_ = Picture::OpenFromApp(fileName_);
    }
    return pic_;
}

} // namespace framework
