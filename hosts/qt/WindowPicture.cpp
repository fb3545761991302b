#include "WindowPicture.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QResource>

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace qthost {

namespace {

std::uint32_t read32(const uchar* at)
{
    return std::uint32_t{at[0]} | std::uint32_t{at[1]} << 8 | std::uint32_t{at[2]} << 16 |
           std::uint32_t{at[3]} << 24;
}

std::uint16_t read16(const uchar* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

// The visible part of a 24-bit uncompressed bitmap, upright, copied from
// the data without touching the rest; a null image when the data is not
// such a bitmap.
QImage visiblePartOfBitmap(const uchar* data, qint64 size, QSize visible)
{
    constexpr qint64 headerBytes = 14 + 40;
    if (size < headerBytes || data[0] != 'B' || data[1] != 'M')
        return {};
    const std::uint32_t pixelOffset = read32(data + 10);
    const auto width = static_cast<std::int32_t>(read32(data + 18));
    const auto height = static_cast<std::int32_t>(read32(data + 22));
    if (read32(data + 14) < 40 || read16(data + 26) != 1 || read16(data + 28) != 24 ||
        read32(data + 30) != 0 || width <= 0 || height == 0)
        return {};
    visible = visible.boundedTo(QSize(width, std::abs(height)));

    const qint64 stride = (qint64{width} * 3 + 3) / 4 * 4;
    const qint64 rows = std::abs(height);
    if (pixelOffset + stride * rows > size)
        return {};

    // Rows are stored bottom-up unless the height is negative.  Copied
    // straight into the raster's own 32-bit format, which the pixmap then
    // takes without converting again: Qt's general conversion from 24 bits
    // costs several times as much.
    const bool bottomUp = height > 0;
    QImage upright(visible, QImage::Format_RGB32);
    for (int y = 0; y < visible.height(); ++y) {
        const qint64 row = bottomUp ? rows - 1 - y : y;
        const uchar* source = data + pixelOffset + row * stride;
        auto* target = reinterpret_cast<QRgb*>(upright.scanLine(y));
        for (int x = 0; x < visible.width(); ++x, source += 3)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    return upright;
}

} // namespace

QPixmap windowPicture(const QString& resourcePath, QSize visible)
{
    const QResource resource(resourcePath);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        QImage part = visiblePartOfBitmap(resource.data(), resource.size(), visible);
        if (!part.isNull())
            return QPixmap::fromImage(std::move(part));
    }
    const QPixmap whole(resourcePath);
    return whole.isNull() ? whole
                          : whole.copy(QRect(QPoint(0, 0), visible).intersected(whole.rect()));
}

} // namespace qthost
