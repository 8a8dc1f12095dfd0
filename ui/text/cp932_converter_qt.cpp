// SPDX-License-Identifier: MIT
#include "ui/text/cp932_converter.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace ui::cp932 {
namespace {

constexpr const char *kCodec = "windows-31j";

// One conversion either way; nullopt when a character has no counterpart. A converter
// that has met an error goes on reporting it (resetState() leaves the error of these
// converters set), so a new one is opened after an error.
template <typename Output, typename Converter, typename Input>
std::optional<Output> convert(std::optional<Converter> &slot, Input input)
{
    if (!slot || slot->hasError())
        slot.emplace(kCodec, QStringConverter::Flag::Stateless);
    Output output = (*slot)(input);
    if (slot->hasError())
        return std::nullopt;
    return output;
}

} // namespace

// Opening a converter costs far more than running it, so each one is kept.
struct Cp932Converter::State
{
    std::optional<QStringDecoder> decoder;
    std::optional<QStringEncoder> encoder;
};

Cp932Converter::Cp932Converter()
    : m_state(std::make_unique<State>())
{ }

Cp932Converter::~Cp932Converter() = default;

std::optional<QByteArray> Cp932Converter::fromText(QStringView text)
{
    return convert<QByteArray>(m_state->encoder, text);
}

std::optional<QString> Cp932Converter::toText(QByteArrayView bytes)
{
    return convert<QString>(m_state->decoder, bytes);
}

} // namespace ui::cp932
