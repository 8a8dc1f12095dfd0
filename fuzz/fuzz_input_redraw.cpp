// SPDX-License-Identifier: MIT
// libFuzzer: the input checks and one chart redraw on arbitrary field texts and era
// buttons (see fuzz_harness.h for the layout of an input).

#include "fuzz/fuzz_harness.h"
#include "ui/drawing/fonts.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Drawing text needs a GUI application; no display is needed or wanted.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_input_redraw";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    ui::installFontSubstitutions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (!fuzz::checkInputRedraw(
            QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))))
        std::abort();
    return 0;
}
