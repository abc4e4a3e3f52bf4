#pragma once

// A picture read from the program's resources. Pictures are shared: a window's canvas and the
// accessor's cache hold the same one.

#include <QImage>
#include <memory>
#include <string>
#include <string_view>

namespace framework {

class Picture {
public:
    explicit Picture(QImage image);

    // The picture in the file of that name in the resources folder (a "resources" folder beside
    // the program, or Contents/Resources of a macOS bundle); nullptr when the file is missing or
    // cannot be read as a picture.
    static std::shared_ptr<Picture> OpenFromApp(std::string_view fileName);

    int Width() const;
    int Height() const;
    const QImage& Image() const;

private:
    QImage image_;
};

// One picture file with its cache: read on first use and kept for the rest of the run. A picture
// that cannot be read is nullptr, and the next request tries again.
class CachedPicture {
public:
    explicit CachedPicture(std::string fileName);

    std::shared_ptr<Picture> Get();

private:
    std::string fileName_;
    std::shared_ptr<Picture> pic_;
};

} // namespace framework
