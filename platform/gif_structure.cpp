#include "platform/gif_structure.h"

namespace {

constexpr int kHeaderSize = 6;
constexpr int kScreenDescriptorSize = 7;
constexpr int kImageDescriptorSize = 9;
constexpr uchar kExtension = 0x21;
constexpr uchar kImage = 0x2c;
constexpr uchar kTrailer = 0x3b;
constexpr uchar kHasColourTable = 0x80;

// A reader over the bytes that reports running off the end instead of reading past it.
class Cursor {
public:
    explicit Cursor(const QByteArray& bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    bool skip(qsizetype count) {
        if (count > m_bytes.size() - m_pos)
            return false;
        m_pos += count;
        return true;
    }
    bool byte(uchar& out) {
        if (atEnd())
            return false;
        out = uchar(m_bytes[m_pos++]);
        return true;
    }
    uchar peek(qsizetype offset) const {
        const qsizetype at = m_pos + offset;
        return at < m_bytes.size() ? uchar(m_bytes[at]) : 0;
    }
    // Data sub-blocks: a length byte, that many bytes, until a length of 0.
    bool subBlocks() {
        uchar length = 0;
        do {
            if (!byte(length) || !skip(length))
                return false;
        } while (length != 0);
        return true;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};

qsizetype colourTableSize(uchar packed) {
    return (packed & kHasColourTable) ? 3 * (qsizetype(2) << (packed & 0x07)) : 0;
}

QString cutOff() {
    return QStringLiteral("GIF ファイルが途中で切れています。");
}

} // namespace

bool isGifSignature(const QByteArray& bytes) {
    return bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a");
}

QString gifStructureFault(const QByteArray& bytes) {
    if (!isGifSignature(bytes))
        return QStringLiteral("GIF ファイルではありません。");
    Cursor cursor(bytes);
    cursor.skip(kHeaderSize);
    if (!cursor.skip(kScreenDescriptorSize))
        return cutOff();
    if (!cursor.skip(colourTableSize(uchar(bytes[kHeaderSize + 4]))))
        return cutOff();
    int images = 0;
    uchar block = 0;
    while (cursor.byte(block)) {
        if (block == kTrailer)
            return images > 0 ? QString() : QStringLiteral("GIF ファイルに画像がありません。");
        if (block == kExtension) {
            if (!cursor.skip(1) || !cursor.subBlocks())
                return cutOff();
        } else if (block == kImage) {
            const uchar packed = cursor.peek(kImageDescriptorSize - 1);
            if (!cursor.skip(kImageDescriptorSize) || !cursor.skip(colourTableSize(packed)) ||
                !cursor.skip(1) || !cursor.subBlocks())
                return cutOff();
            ++images;
        } else {
            return QStringLiteral("GIF ファイルの構造が壊れています。");
        }
    }
    // Some writers leave out the trailer; a file that ends between whole blocks is complete.
    return images > 0 ? QString() : cutOff();
}
