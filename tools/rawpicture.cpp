// Build tool: decodes a picture with Qt's own decoder and writes it as the program keeps its
// pictures (see picture() in src/widgets/layout.cpp): a line "WIDTH HEIGHT" of 16 bytes, then
// the pixels row after row, four bytes each as a 32-bit RGB image holds them in memory. (The
// resource compiler puts each file after a 4-byte length: with the header's length a multiple
// of four and the whole file too, the pixels stay as aligned as the program's resource data.)
// rawpicture IN OUT
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: rawpicture IN OUT\n");
        return 2;
    }
    const QImage image = QImage(arguments[1]).convertToFormat(QImage::Format_RGB32);
    QFile out(arguments[2]);
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "rawpicture: cannot convert %s to %s\n", qPrintable(arguments[1]),
                     qPrintable(arguments[2]));
        return 1;
    }
    out.write(QString::asprintf("%7d %7d\n", image.width(), image.height()).toLatin1());
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char *>(image.constScanLine(y)),
                  qsizetype(image.width()) * 4);
    return out.flush() ? 0 : 1;
}
