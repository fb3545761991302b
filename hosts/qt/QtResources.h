#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

#include <string_view>

// The Qt resources, compiled in by assets/ under the image names that
// window definitions use.  Throw std::logic_error for a name they lack.
namespace qthost {

QString pictureResourcePath(std::string_view picture);
// The icon's image files, one a size, without reading them.
QStringList iconResourceFiles(std::string_view icon);
QIcon iconResource(std::string_view icon);

} // namespace qthost
