// Build tool: decodes a picture with Qt's own decoder and writes it as the program keeps its
// pictures, to be shown in place from the program's file (see pictureBands() in
// src/widgets/layout.cpp). Every line of numbers below is 16 bytes long.
//
// A line "WIDTH HEIGHT BANDS", then either
// - with no bands, the pixels row after row, four bytes each as a 32-bit RGB image holds them;
// - or the picture cut into horizontal bands of at most 256 colours, each a line "TOP ROWS",
//   a table of 256 colours of four bytes, and one byte per pixel, each row padded to four bytes.
// A picture is cut into bands only when that takes at most half the room of its 32-bit pixels:
// the board's gradient takes a quarter, icons full of shades would not gain.
//
// Every part is a multiple of four bytes long, and the resource compiler puts each file after a
// 4-byte length, so the pixels stay as aligned as the program's resource data.
// rawpicture IN OUT
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <cstdio>

namespace {

struct Band
{
    int top = 0;
    int rows = 0;
    QList<QRgb> colours;
};

// Cuts the picture, top down, into the fewest bands of at most 256 colours each; a row with
// more colours than that leaves the picture uncut.
QList<Band> bandsOf(const QImage &image)
{
    QList<Band> bands;
    QList<QRgb> rowColours;
    for (int y = 0; y < image.height(); ++y) {
        rowColours.clear();
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (!rowColours.contains(row[x]))
                rowColours.append(row[x]);
        }
        if (rowColours.size() > 256)
            return {};
        if (bands.isEmpty())
            bands.append({y, 0, {}});
        QList<QRgb> joined = bands.last().colours;
        for (QRgb colour : rowColours) {
            if (!joined.contains(colour))
                joined.append(colour);
        }
        if (joined.size() > 256) {
            bands.append({y, 0, rowColours});
        } else {
            bands.last().colours = joined;
        }
        ++bands.last().rows;
    }
    return bands;
}

QByteArray numbers(int first, int second)
{
    return QString::asprintf("%7d %7d\n", first, second).toLatin1();
}

} // namespace

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
    const qsizetype width = image.width();
    const qsizetype stride = (width + 3) / 4 * 4;
    QList<Band> bands = bandsOf(image);
    qsizetype bandedSize = 0;
    for (const Band &band : bands)
        bandedSize += 16 + 256 * qsizetype(sizeof(QRgb)) + band.rows * stride;
    if (bandedSize > width * image.height() * 4 / 2)
        bands.clear();

    out.write(QString::asprintf("%5d %5d %3d\n", image.width(), image.height(), int(bands.size()))
                  .toLatin1());
    if (bands.isEmpty()) {
        for (int y = 0; y < image.height(); ++y)
            out.write(reinterpret_cast<const char *>(image.constScanLine(y)), width * 4);
    }
    for (Band &band : bands) {
        out.write(numbers(band.top, band.rows));
        QHash<QRgb, uchar> index;
        for (qsizetype i = 0; i < band.colours.size(); ++i)
            index.insert(band.colours[i], uchar(i));
        band.colours.resize(256);
        out.write(reinterpret_cast<const char *>(band.colours.constData()),
                  band.colours.size() * qsizetype(sizeof(QRgb)));
        QByteArray row(stride, '\0');
        for (int y = band.top; y < band.top + band.rows; ++y) {
            const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (qsizetype x = 0; x < width; ++x)
                row[x] = char(index.value(pixels[x]));
            out.write(row);
        }
    }
    return out.flush() ? 0 : 1;
}
