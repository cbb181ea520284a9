// SPDX-License-Identifier: GPL-3.0-or-later

// Paints the app's icon in the sizes a window hands its desktop and writes them as C++ arrays,
// for the build: paint-app-icon OUTPUT.cpp

#include "core/drawing/Pictures.h"
#include "gui/views/PicturePainter.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: paint-app-icon OUTPUT.cpp\n");
        return 2;
    }
    QByteArray out = "// Written by paint-app-icon when Zelkor is built.\n\n"
                     "#include \"gui/views/AppIcon.h\"\n\n"
                     "namespace zelkor::views {\n\nnamespace {\n\n";
    QByteArray list;
    for (const int side : {16, 32, 48}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            zelkor::views::paintPicture(painter, zelkor::views::appIconPicture(),
                                        QRectF(0, 0, side, side));
        }
        const QByteArray name = "kSide" + QByteArray::number(side);
        out += "constexpr std::uint32_t " + name + "[] = {";
        for (int y = 0; y < side; ++y) {
            out += "\n   ";
            for (int x = 0; x < side; ++x)
                out += " 0x" + QByteArray::number(reinterpret_cast<const QRgb *>(image.constScanLine(y))[x], 16).rightJustified(8, '0') + ',';
        }
        out += "\n};\n\n";
        list += "    {" + QByteArray::number(side) + ", " + name + "},\n";
    }
    out += "constexpr IconPixels kIcons[] = {\n" + list + "};\n\n} // namespace\n\n"
           "std::span<const IconPixels> appIconPixels()\n{\n    return kIcons;\n}\n\n"
           "} // namespace zelkor::views\n";
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "paint-app-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
