#include "framework/ui/DesktopIdentity.h"

#include "framework/ui/Picture.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace framework {

void IdentifyToDesktop() {
    QGuiApplication::setDesktopFileName(QStringLiteral(DESKTOP_ENTRY_NAME));
    const auto icon = Picture::OpenFromApp(PROGRAM_ICON_PICTURE);
    QApplication::setWindowIcon(icon ? QIcon(QPixmap::fromImage(icon->Image())) : QIcon());
}

} // namespace framework
