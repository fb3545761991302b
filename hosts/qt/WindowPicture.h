#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace qthost {

// The top-left part of a picture that a window of the given size shows:
// the whole picture when the window is larger.
// An uncompressed 24-bit bitmap stored without compression in the resources
// is read in place, and only its visible part is converted; any other
// picture goes through Qt's image reader.  A null pixmap when there is none.
QPixmap windowPicture(const QString& resourcePath, QSize visible);

} // namespace qthost
