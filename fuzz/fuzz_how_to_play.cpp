// Fuzzes the how-to-play text reader (code page 932 decoding, line splitting) against the rules
// of checkHowToPlay.

#include "fuzz/checks/how_to_play_check.h"
#include "fuzz/fuzz_report.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    reportBrokenRule(
        checkHowToPlay(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    return 0;
}
