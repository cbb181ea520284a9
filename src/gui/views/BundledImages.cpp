// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/BundledImages.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace zelkor::images {

namespace {

QString path(const QString &name)
{
    return QStringLiteral(":/images/") + name;
}

// The pictures Zelkor brings are plain PNGs: 8 bits per channel, RGB or RGBA, not interlaced,
// with nothing beside the pixels but their resolution. Those are read here. A QImageReader,
// even told the format, first lists Qt's image plugins and opens every plugin file to do so,
// which the start-up pays for the window icon and the first panel's display; any other PNG
// still goes to it.
struct PlainPng
{
    QSize size;
    int channels = 0; // 3 or 4
    int dotsPerMeter = 0;
    QByteArray compressed;
};

quint32 bigEndian(const char *bytes)
{
    return qFromBigEndian<quint32>(bytes);
}

// The header and the joined pixel data, or nothing where the file is not a plain PNG. With
// headerOnly it stops after the header.
std::optional<PlainPng> parsePlainPng(const QByteArray &file, bool headerOnly)
{
    constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (file.size() < 8 || !file.startsWith(QByteArrayView(kSignature, 8)))
        return std::nullopt;
    PlainPng png;
    qsizetype at = 8;
    bool sawHeader = false;
    while (at + 12 <= file.size()) {
        const quint32 length = bigEndian(file.constData() + at);
        const QByteArrayView type(file.constData() + at + 4, 4);
        const qsizetype dataAt = at + 8;
        if (length > quint32(file.size() - dataAt - 4))
            return std::nullopt;
        const char *data = file.constData() + dataAt;
        at = dataAt + qsizetype(length) + 4; // past the checksum
        if (type == "IHDR") {
            if (sawHeader || length != 13)
                return std::nullopt;
            const quint32 width = bigEndian(data);
            const quint32 height = bigEndian(data + 4);
            const int depth = data[8], colourType = data[9];
            const bool plain = depth == 8 && (colourType == 2 || colourType == 6) &&
                               data[10] == 0 && data[11] == 0 && data[12] == 0;
            // Bundled pictures are small; anything huge is no picture of ours.
            if (!plain || width == 0 || height == 0 || width > 8192 || height > 8192)
                return std::nullopt;
            png.size = QSize(int(width), int(height));
            png.channels = colourType == 6 ? 4 : 3;
            sawHeader = true;
            if (headerOnly)
                return png;
        } else if (!sawHeader) {
            return std::nullopt;
        } else if (type == "IDAT") {
            png.compressed.append(data, qsizetype(length));
        } else if (type == "pHYs") {
            if (length == 9 && data[8] == 1 && bigEndian(data) == bigEndian(data + 4))
                png.dotsPerMeter = int(bigEndian(data));
        } else if (type == "IEND") {
            return png;
        } else if (type != "tIME") {
            // A palette, transparency, gamma or colour profile: Qt's reader knows what to do.
            return std::nullopt;
        }
    }
    return std::nullopt;
}

int paeth(int left, int up, int upLeft)
{
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return left;
    return toUp <= toUpLeft ? up : upLeft;
}

QImage decode(const PlainPng &png)
{
    const int width = png.size.width(), height = png.size.height();
    const qsizetype rowBytes = qsizetype(width) * png.channels;
    const qsizetype expected = (rowBytes + 1) * height;
    // qUncompress reads a zlib stream, which is what the pixel data is, behind its length.
    QByteArray stream(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(expected), stream.data());
    stream.append(png.compressed);
    const QByteArray raw = qUncompress(stream);
    if (raw.size() != expected)
        return {};

    QImage image(png.size, png.channels == 4 ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (image.isNull())
        return {};
    const auto *in = reinterpret_cast<const uchar *>(raw.constData());
    const qsizetype bpp = png.channels;
    const std::vector<uchar> noRowAbove(std::size_t(rowBytes), 0);
    uchar *const pixels = image.bits();
    for (int y = 0; y < height; ++y, in += rowBytes + 1) {
        const uchar *source = in + 1;
        uchar *row = pixels + y * image.bytesPerLine();
        const uchar *up = y == 0 ? noRowAbove.data() : row - image.bytesPerLine();
        // Each row names how it was predicted; the left neighbour of the first pixel is 0.
        switch (in[0]) {
        case 0:
            std::memcpy(row, source, std::size_t(rowBytes));
            break;
        case 1:
            std::memcpy(row, source, std::size_t(bpp));
            for (qsizetype x = bpp; x < rowBytes; ++x)
                row[x] = uchar(source[x] + row[x - bpp]);
            break;
        case 2:
            for (qsizetype x = 0; x < rowBytes; ++x)
                row[x] = uchar(source[x] + up[x]);
            break;
        case 3:
            for (qsizetype x = 0; x < bpp; ++x)
                row[x] = uchar(source[x] + up[x] / 2);
            for (qsizetype x = bpp; x < rowBytes; ++x)
                row[x] = uchar(source[x] + (row[x - bpp] + up[x]) / 2);
            break;
        case 4:
            for (qsizetype x = 0; x < bpp; ++x)
                row[x] = uchar(source[x] + up[x]);
            for (qsizetype x = bpp; x < rowBytes; ++x)
                row[x] = uchar(source[x] + paeth(row[x - bpp], up[x], up[x - bpp]));
            break;
        default:
            return {};
        }
    }
    // The formats Qt's own reader gives, so the pictures draw exactly as they always did.
    image.convertTo(png.channels == 4 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (png.dotsPerMeter > 0) {
        image.setDotsPerMeterX(png.dotsPerMeter);
        image.setDotsPerMeterY(png.dotsPerMeter);
    }
    return image;
}

QByteArray fileBytes(const QString &name)
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Tells the reader the format and forbids it to go asking the plugins which format it is.
void pngOnly(QImageReader &reader)
{
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}

} // namespace

QImage decodePng(const QByteArray &file)
{
    if (const auto png = parsePlainPng(file, false)) {
        if (QImage image = decode(*png); !image.isNull())
            return image;
    }
    QBuffer buffer;
    buffer.setData(file);
    QImageReader reader(&buffer);
    pngOnly(reader);
    return reader.read();
}

QImage bundled(const QString &name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString hiDpiName = name;
        hiDpiName.insert(hiDpiName.lastIndexOf(u'.'), QStringLiteral("@2x"));
        if (QFile::exists(path(hiDpiName))) {
            QImage image = bundled(hiDpiName);
            if (!image.isNull()) {
                image.setDevicePixelRatio(2);
                return image;
            }
        }
    }
    const QByteArray file = fileBytes(name);
    return file.isEmpty() ? QImage() : decodePng(file);
}

QSize bundledSize(const QString &name)
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The header is the first chunk; 33 bytes hold the signature and all of it.
    if (const auto png = parsePlainPng(file.read(33), true))
        return png->size;
    file.close();
    QImageReader reader(path(name));
    pngOnly(reader);
    return reader.size();
}

QIcon appIcon(qreal devicePixelRatio)
{
    const QString name = QStringLiteral("zelkor.png");
    QIcon icon(QPixmap::fromImage(bundled(name)));
    if (devicePixelRatio > 1.0)
        icon.addPixmap(QPixmap::fromImage(bundled(name, devicePixelRatio)));
    return icon;
}

} // namespace zelkor::images
