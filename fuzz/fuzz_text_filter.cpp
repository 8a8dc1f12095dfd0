// SPDX-License-Identifier: MIT
// libFuzzer: the text fields' filter on one change of a field (see fuzz_harness.h for
// the layout of an input).

#include "fuzz/fuzz_harness.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (!fuzz::checkFieldChange(
            QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))))
        std::abort();
    return 0;
}
