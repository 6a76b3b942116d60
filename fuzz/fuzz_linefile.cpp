// splitLines and joinLines: every read of a data file goes through them.

#include "fuzzcheck.h"
#include "storage/codepage.h"
#include "storage/linefile.h"

using namespace kirveno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const QStringList lines = splitLines(bytes);

    // Writing the lines and reading them back gives the same lines.
    const QByteArray written = joinLines(lines);
    FUZZ_CHECK(splitLines(written) == lines);
    FUZZ_CHECK(joinLines(splitLines(written)) == written);

    // Every line ends with CR LF once written.
    qsizetype breaks = 0;
    for (qsizetype i = 0; i + 1 < written.size(); ++i) {
        if (written[i] == '\r') {
            FUZZ_CHECK(written[i + 1] == '\n');
            ++breaks;
        } else {
            FUZZ_CHECK(written[i] != '\n' || (i > 0 && written[i - 1] == '\r'));
        }
    }
    FUZZ_CHECK(breaks == lines.size());
    FUZZ_CHECK(lines.isEmpty() || written.endsWith("\r\n"));

    // The code page keeps every byte: the lines hold the input's bytes without its line
    // breaks, in order, and each line survives an encode and a decode.
    QByteArray content;
    for (const char c : bytes) {
        if (c != '\r' && c != '\n')
            content.append(c);
    }
    QByteArray encoded;
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
        FUZZ_CHECK(fitsCodePage(line));
        const QByteArray lineBytes = encode1254(line);
        FUZZ_CHECK(lineBytes.size() == line.size());
        FUZZ_CHECK(decode1254(lineBytes) == line);
        for (const QChar c : line)
            FUZZ_CHECK(byteOf(c) >= 0 && byteOf(c) < 256);
        encoded.append(lineBytes);
    }
    FUZZ_CHECK(encoded == content);

    // Input that already ends every line with CR LF is written back byte for byte.
    if (bytes.isEmpty() || bytes.endsWith("\r\n")) {
        bool onlyCrLf = true;
        for (qsizetype i = 0; i < bytes.size() && onlyCrLf; ++i) {
            if (bytes[i] == '\r')
                onlyCrLf = i + 1 < bytes.size() && bytes[i + 1] == '\n';
            else if (bytes[i] == '\n')
                onlyCrLf = i > 0 && bytes[i - 1] == '\r';
        }
        if (onlyCrLf)
            FUZZ_CHECK(written == bytes);
    }
    return 0;
}
