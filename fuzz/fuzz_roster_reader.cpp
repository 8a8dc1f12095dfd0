// SPDX-License-Identifier: MIT
// libFuzzer: the roster file reader on arbitrary bytes.

#include "fuzz/fuzz_harness.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (!fuzz::checkRosterBytes(
            QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))))
        std::abort();
    return 0;
}
