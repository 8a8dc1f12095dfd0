// SPDX-License-Identifier: MIT
#include "ui/text/cp932_converter.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace ui::cp932 {
namespace {

constexpr const char *kCodec = "windows-31j";

// A converter that has met an error goes on reporting it (resetState() leaves the
// error of these converters set), so a new one is opened after an error.
template <typename Converter> Converter &reusable(std::optional<Converter> &slot)
{
    if (!slot || slot->hasError())
        slot.emplace(kCodec, QStringConverter::Flag::Stateless);
    return *slot;
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
    QStringEncoder &encoder = reusable(m_state->encoder);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> Cp932Converter::toText(QByteArrayView bytes)
{
    QStringDecoder &decoder = reusable(m_state->decoder);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace ui::cp932
