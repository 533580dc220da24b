#include "shell/word_list.h"

#include "shell/content_error.h"
#include "shell/content_file.h"

#include <limits>

namespace {

bool isSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Walks the items of a word list one at a time; it never looks past the item it returns, so
// whatever follows the last item read is never examined.
class ItemReader {
public:
    ItemReader(const QByteArray& bytes, const QString& fileName)
        : m_bytes(bytes), m_fileName(fileName) {}

    std::int16_t next(int itemNo, int count) {
        while (m_pos < m_bytes.size() && isSeparator(m_bytes[m_pos]))
            ++m_pos;
        if (m_pos >= m_bytes.size()) {
            if (itemNo == 1)
                throw ContentError(m_fileName,
                                   QStringLiteral("件数がありません（空のファイルです）。"));
            throw ContentError(
                m_fileName,
                QStringLiteral("項目が足りません（件数 %1 に対して %2 項目しかありません）。")
                    .arg(count)
                    .arg(itemNo - 2));
        }
        const qsizetype start = m_pos;
        while (m_pos < m_bytes.size() && !isSeparator(m_bytes[m_pos]))
            ++m_pos;
        return toInt16(m_bytes.mid(start, m_pos - start), itemNo);
    }

private:
    std::int16_t toInt16(const QByteArray& text, int itemNo) const {
        qsizetype i = 0;
        const bool negative = text.startsWith('-');
        if (negative || text.startsWith('+'))
            i = 1;
        if (i == text.size())
            throw notDecimal(text, itemNo);
        long long value = 0;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (c < '0' || c > '9')
                throw notDecimal(text, itemNo);
            value = value * 10 + (c - '0');
            if (value > 32768)
                throw tooLarge(text, itemNo);
        }
        if (negative)
            value = -value;
        if (value > std::numeric_limits<std::int16_t>::max())
            throw tooLarge(text, itemNo);
        return static_cast<std::int16_t>(value);
    }

    ContentError notDecimal(const QByteArray& text, int itemNo) const {
        return ContentError(m_fileName,
                            QStringLiteral("%1 番目の項目「%2」が10進数の整数ではありません。")
                                .arg(itemNo)
                                .arg(shown(text)));
    }

    ContentError tooLarge(const QByteArray& text, int itemNo) const {
        return ContentError(
            m_fileName,
            QStringLiteral("%1 番目の項目「%2」が16ビットの整数（-32768～32767）に収まりません。")
                .arg(itemNo)
                .arg(shown(text)));
    }

    // Shows an offending item safely: a long or binary item is cut and escaped.
    static QString shown(const QByteArray& text) {
        QString out;
        for (const char c : text.left(20)) {
            const auto u = static_cast<unsigned char>(c);
            out += (u >= 0x20 && u < 0x7f)
                       ? QString(QLatin1Char(c))
                       : QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        }
        if (text.size() > 20)
            out += QStringLiteral("…");
        return out;
    }

    const QByteArray& m_bytes;
    const QString& m_fileName;
    qsizetype m_pos = 0;
};

} // namespace

QString countFault(int count) {
    if (count <= kMaxCharacterNo)
        return {};
    return QStringLiteral("件数 %1 が上限の %2 を超えています。").arg(count).arg(kMaxCharacterNo);
}

QString characterFault(int itemNo, int characterNo) {
    if (characterNo >= 0 && characterNo <= kMaxCharacterNo)
        return {};
    return QStringLiteral("%1 番目の項目の文字番号 %2 が 0～%3 の範囲外です。")
        .arg(itemNo)
        .arg(characterNo)
        .arg(kMaxCharacterNo);
}

std::int16_t parseWordList(const QByteArray& bytes, const QString& fileName, WordListArray& list) {
    ItemReader reader(bytes, fileName);
    const std::int16_t count = reader.next(1, 0);
    if (const QString fault = countFault(count); !fault.isEmpty())
        throw ContentError(fileName, fault);
    for (int k = 1; k <= count; ++k) {
        const std::int16_t characterNo = reader.next(k + 1, count);
        if (const QString fault = characterFault(k + 1, characterNo); !fault.isEmpty())
            throw ContentError(fileName, fault);
        list[static_cast<std::size_t>(k)] = characterNo;
    }
    return count;
}

std::int16_t loadWordList(const QString& path, WordListArray& list) {
    return parseWordList(readContentFile(path, kWordListLimit), path, list);
}
