#include "fuzz/checks/word_list_check.h"

#include "fuzz/checks/check_rule.h"
#include "shell/content_error.h"
#include "shell/word_list.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr std::int16_t kUntouched = -12345;

bool isSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::vector<std::string_view> items(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (true) {
        while (pos < text.size() && isSeparator(text[pos]))
            ++pos;
        if (pos == text.size())
            return out;
        const std::size_t start = pos;
        while (pos < text.size() && !isSeparator(text[pos]))
            ++pos;
        out.push_back(text.substr(start, pos - start));
    }
}

// A decimal item that fits 16 bits, or nothing.
std::optional<int> sixteenBit(std::string_view item) {
    const bool hasSign = !item.empty() && (item[0] == '-' || item[0] == '+');
    std::size_t i = hasSign ? 1 : 0;
    if (i == item.size())
        return std::nullopt;
    long long magnitude = 0;
    for (; i < item.size(); ++i) {
        if (item[i] < '0' || item[i] > '9')
            return std::nullopt;
        magnitude = std::min(magnitude * 10 + (item[i] - '0'), 100000LL);
    }
    const long long value = item[0] == '-' ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return int(value);
}

struct ModelList {
    int count = 0;
    std::vector<int> numbers; // the items stored at indices 1..count
};

// The format as documented, read the plain way; nothing means the file is refused.
std::optional<ModelList> model(std::string_view text) {
    const std::vector<std::string_view> all = items(text);
    if (all.empty())
        return std::nullopt;
    const std::optional<int> count = sixteenBit(all[0]);
    if (!count || *count > 219)
        return std::nullopt;
    ModelList result{*count, {}};
    for (int k = 1; k <= *count; ++k) {
        if (std::size_t(k) >= all.size())
            return std::nullopt;
        const std::optional<int> number = sixteenBit(all[std::size_t(k)]);
        if (!number || *number < 0 || *number > 219)
            return std::nullopt;
        result.numbers.push_back(*number);
    }
    return result;
}

} // namespace

QString checkWordList(const QByteArray& bytes) {
    const QString fileName = QStringLiteral("/game/data/ox/h1o.dat");
    const auto list = std::make_unique<WordListArray>();
    list->fill(kUntouched);
    const std::optional<ModelList> expected =
        model(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    try {
        const std::int16_t count = parseWordList(bytes, fileName, *list);
        KQ_EXPECT(expected.has_value());
        KQ_EXPECT(count == expected->count);
        KQ_EXPECT((*list)[0] == kUntouched);
        for (int k = 1; k < kListSize; ++k) {
            const std::int16_t stored = (*list)[std::size_t(k)];
            if (k <= count)
                KQ_EXPECT(stored == expected->numbers[std::size_t(k - 1)]);
            else
                KQ_EXPECT(stored == kUntouched);
        }
    } catch (const ContentError& error) {
        KQ_EXPECT(!expected.has_value());
        KQ_EXPECT(error.file() == fileName);
        KQ_EXPECT(!error.fault().isEmpty());
        KQ_EXPECT(error.message().contains(fileName));
        KQ_EXPECT((*list)[0] == kUntouched);
        for (const std::int16_t stored : *list)
            KQ_EXPECT(stored == kUntouched || (stored >= 0 && stored <= 219));
    }
    return {};
}
