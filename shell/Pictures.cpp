#include "shell/Pictures.h"

#include "framework/ui/Picture.h"

#include <utility>

CachedPicture::CachedPicture(std::string fileName) : fileName_(std::move(fileName)) {}

std::shared_ptr<framework::Picture> CachedPicture::Get() {
    if (!pic_) {
        pic_ = framework::Picture::OpenFromApp(fileName_);
    }
    return pic_;
}

std::shared_ptr<framework::Picture> Info32() {
    static CachedPicture pic("Info32.png");
    return pic.Get();
}

std::shared_ptr<framework::Picture> QVRtitle() {
    static CachedPicture pic("QVRtitle.png");
    return pic.Get();
}

std::shared_ptr<framework::Picture> QVRtitleSm() {
    static CachedPicture pic("QVRtitleSm.png");
    return pic.Get();
}

std::shared_ptr<framework::Picture> Icon64() {
    static CachedPicture pic("Icon64.png");
    return pic.Get();
}
