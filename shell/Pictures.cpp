#include "shell/Pictures.h"

#include "framework/ui/DesktopIdentity.h"
#include "framework/ui/Picture.h"

std::shared_ptr<framework::Picture> Info32() {
    static framework::CachedPicture pic("Info32.png");
    return pic.Get();
}

std::shared_ptr<framework::Picture> QVRtitle() {
    static framework::CachedPicture pic("QVRtitle.png");
    return pic.Get();
}

std::shared_ptr<framework::Picture> QVRtitleSm() {
    static framework::CachedPicture pic("QVRtitleSm.png");
    return pic.Get();
}

// The framework has read it for the windows already; it is not read again.
std::shared_ptr<framework::Picture> Icon64() {
    return framework::ProgramIcon();
}
