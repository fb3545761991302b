#include "QtResources.h"

#include <stdexcept>
#include <string>

namespace qthost {

QString pictureResourcePath(std::string_view picture)
{
    if (picture == "background")
        return QStringLiteral(":/frmEuro/background.bmp");
    throw std::logic_error("no picture resource named " + std::string(picture));
}

QIcon iconResource(std::string_view icon)
{
    if (icon != "icon")
        throw std::logic_error("no icon resource named " + std::string(icon));
    QIcon sizes;
    for (const int size : {16, 32, 48})
        sizes.addFile(QStringLiteral(":/icons/punt-converter-%1.png").arg(size));
    return sizes;
}

} // namespace qthost
