// Fuzzes the word-list reader against the rules of checkWordList.

#include "fuzz/checks/word_list_check.h"
#include "fuzz/fuzz_report.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    reportBrokenRule(
        checkWordList(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    return 0;
}
