#include "framework/ui/DesktopIdentity.h"

#include "framework/ui/Picture.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace framework {

void IdentifyToDesktop() {
    QGuiApplication::setDesktopFileName(QStringLiteral(DESKTOP_ENTRY_NAME));
    const auto icon = ProgramIcon();
    QApplication::setWindowIcon(icon ? QIcon(QPixmap::fromImage(icon->Image())) : QIcon());
}

std::shared_ptr<Picture> ProgramIcon() {
    static CachedPicture icon(PROGRAM_ICON_PICTURE);
    return icon.Get();
}

} // namespace framework
