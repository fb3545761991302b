#include "QtResources.h"

#include "hosts/qt/QtText.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>
#include <string>

namespace qthost {

namespace {

QString resourcePath(std::string_view name)
{
    return QStringLiteral(":/") + toQString(name);
}

} // namespace

QString pictureResourcePath(std::string_view picture)
{
    const QString path = resourcePath(picture);
    if (!QFileInfo(path).isFile())
        throw std::logic_error("no picture resource named " + std::string(picture));
    return path;
}

QIcon iconResource(std::string_view icon)
{
    const QDir sizes(resourcePath(icon));
    QIcon result;
    for (const QFileInfo& size : sizes.entryInfoList(QDir::Files))
        result.addFile(size.filePath());
    if (result.isNull())
        throw std::logic_error("no icon resource named " + std::string(icon));
    return result;
}

} // namespace qthost
