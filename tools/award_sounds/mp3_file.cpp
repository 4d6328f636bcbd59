#include "mp3_file.h"

#include <lame/lame.h>

#include <algorithm>
#include <memory>

namespace {

using Encoder = std::unique_ptr<lame_global_flags, decltype(&lame_close)>;

// LAME's own bound for the output of one call, with room for the flush.
int outputBound(std::size_t samples) {
    return static_cast<int>(samples * 5 / 4 + 7200);
}

// More than the largest MP3 frame.
constexpr std::size_t kTagRoom = 2880;

}  // namespace

std::optional<QByteArray> mp3File(const std::vector<std::int16_t>& samples, int sampleRate) {
    const Encoder encoder(lame_init(), &lame_close);
    if (!encoder) return std::nullopt;
    lame_set_in_samplerate(encoder.get(), sampleRate);
    lame_set_num_channels(encoder.get(), 1);
    lame_set_mode(encoder.get(), MONO);
    lame_set_VBR(encoder.get(), vbr_default);
    lame_set_VBR_quality(encoder.get(), 2.0f);
    if (lame_init_params(encoder.get()) < 0) return std::nullopt;

    QByteArray bytes(outputBound(samples.size()), '\0');
    auto* out = reinterpret_cast<unsigned char*>(bytes.data());
    const int encoded =
        lame_encode_buffer(encoder.get(), samples.data(), nullptr, static_cast<int>(samples.size()),
                           out, static_cast<int>(bytes.size()));
    if (encoded < 0) return std::nullopt;
    const int flushed =
        lame_encode_flush(encoder.get(), out + encoded, static_cast<int>(bytes.size()) - encoded);
    if (flushed < 0) return std::nullopt;
    bytes.truncate(encoded + flushed);

    // The first frame was left empty for the tag that tells players the exact length.
    unsigned char tag[kTagRoom];
    const std::size_t tagSize = lame_get_lametag_frame(encoder.get(), tag, kTagRoom);
    if (tagSize > kTagRoom || tagSize > static_cast<std::size_t>(bytes.size())) {
        return std::nullopt;
    }
    std::copy(tag, tag + tagSize, bytes.data());
    return bytes;
}
