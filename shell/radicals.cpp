#include "shell/radicals.h"

QString radicalName(int radicalNo) {
    static const char16_t* const names[kRadicalCount] = {u"ごんべん", u"にんべん", u"てへん",
                                                         u"いとへん", u"きへん",   u"さんずい"};
    if (radicalNo < 1 || radicalNo > kRadicalCount)
        return {};
    return QString::fromUtf16(names[radicalNo - 1]);
}
