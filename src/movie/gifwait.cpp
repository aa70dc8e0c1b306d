#include "movie/gifwait.h"

namespace zentova {

namespace {

// The palette's last entry is left out of the colours and marked transparent, so that the
// GIF encoder can leave out the pixels a picture shares with the one before.
constexpr int GifColours = 255;

}  // namespace

void GifPaletteWait::add(FfmpegStream& stream, const std::vector<std::uint8_t>& rgb) {
    if (m_mapper) {
        send(stream, rgb);
        return;
    }
    m_colours.add(rgb.data(), m_width, m_height, 3 * m_width);
    m_waiting.push_back(rgb);
    if (static_cast<int>(m_waiting.size()) >= m_frames) flush(stream);
}

void GifPaletteWait::flush(FfmpegStream& stream) {
    if (m_waiting.empty()) return;
    m_mapper.emplace(choosePalette(m_colours, GifColours));
    for (const auto& waited : m_waiting) send(stream, waited);
    m_waiting.clear();
}

void GifPaletteWait::send(FfmpegStream& stream, const std::vector<std::uint8_t>& rgb) {
    AVFrame& picture = stream.picture();
    m_mapper->map(rgb.data(), m_width, m_height, 3 * m_width, picture.data[0], picture.linesize[0]);
    auto* palette = reinterpret_cast<std::uint32_t*>(picture.data[1]);
    const auto& chosen = m_mapper->palette();
    for (int i = 0; i < 256; ++i)
        palette[i] = i < static_cast<int>(chosen.size()) ? 0xFF000000u | chosen[i] : 0u;
    stream.send();
}

}  // namespace zentova
