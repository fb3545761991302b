#include "QtResources.h"

#include "hosts/qt/QtText.h"
#include "runtime/MessageText.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

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
        throw std::logic_error(runtime::messages::missingPicture(picture));
    return path;
}

QStringList iconResourceFiles(std::string_view icon)
{
    QStringList files;
    for (const QFileInfo& size : QDir(resourcePath(icon)).entryInfoList(QDir::Files))
        files.append(size.filePath());
    if (files.isEmpty())
        throw std::logic_error(runtime::messages::missingIcon(icon));
    return files;
}

QIcon iconResource(std::string_view icon)
{
    QIcon result;
    for (const QString& file : iconResourceFiles(icon))
        result.addFile(file);
    return result;
}

} // namespace qthost
