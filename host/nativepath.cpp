#include "host/nativepath.h"

#include <QFile>

namespace kelvra {
namespace {

constexpr char16_t kEscapeBase = 0xDC00; // U+DC80 .. U+DCFF stand for bytes 0x80 .. 0xFF

bool is_escape(QChar c, QChar before)
{
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF && !before.isHighSurrogate();
}

// The length of the valid UTF-8 sequence at data[i], 0 when none starts there.
int utf8_sequence(const QByteArray &data, int i)
{
    const auto byte = [&](int k) { return static_cast<unsigned char>(data[k]); };
    const unsigned char lead = byte(i);
    int length;
    char32_t code;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > data.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and code points past U+10FFFF are
    // not valid UTF-8.
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QByteArray native_path(const QString &path)
{
    bool escaped = false;
    for (int i = 0; i < path.size() && !escaped; ++i)
        escaped = is_escape(path[i], i > 0 ? path[i - 1] : QChar());
    if (!escaped)
        return QFile::encodeName(path);
    QByteArray bytes;
    int start = 0;
    for (int i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !is_escape(path[i], i > 0 ? path[i - 1] : QChar()))
            continue;
        bytes += QFile::encodeName(path.mid(start, i - start));
        if (i < path.size())
            bytes += char(path[i].unicode() - kEscapeBase);
        start = i + 1;
    }
    return bytes;
}

QString path_from_native(const QByteArray &bytes)
{
    const QString decoded = QFile::decodeName(bytes);
    if (QFile::encodeName(decoded) == bytes)
        return decoded;
    // Only a UTF-8 system fails to decode a name: keep its valid sequences
    // and escape each byte of the others.
    QString path;
    for (int i = 0; i < bytes.size();) {
        const int length = utf8_sequence(bytes, i);
        if (length == 0) {
            path += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            path += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
        }
    }
    return path;
}

QString readable_path(const QString &path)
{
    QString readable = path;
    for (int i = 0; i < readable.size(); ++i) {
        if (is_escape(readable[i], i > 0 ? path[i - 1] : QChar()))
            readable[i] = QChar::ReplacementCharacter;
    }
    return readable;
}

QStringList native_arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << path_from_native(QByteArray(argv[i]));
    return arguments;
}

} // namespace kelvra
