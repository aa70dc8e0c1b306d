#include "files/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>

#include "command/programerror.h"

namespace zentova {

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : m_cd(::iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw ProgramError(std::string("no text conversion from ") + from + " to " + to +
                               " on this system");
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { ::iconv_close(m_cd); }

    // Converts `text`; at a sequence iconv refuses, appends `replacement` and skips the
    // bytes `skip` says the sequence takes.
    template <typename Skip>
    std::string run(std::string_view text, std::string_view replacement, Skip skip) {
        std::string out;
        out.reserve(text.size());
        // iconv takes a non-const input pointer but does not write through it.
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        std::array<char, 512> chunk;
        while (inLeft > 0) {
            char* outPtr = chunk.data();
            std::size_t outLeft = chunk.size();
            const std::size_t result = ::iconv(m_cd, &in, &inLeft, &outPtr, &outLeft);
            out.append(chunk.data(), outPtr);
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            out += replacement;
            if (errno != EILSEQ) break;  // EINVAL: an incomplete sequence ends the text
            const std::size_t skipped = skip(std::string_view(in, inLeft));
            in += skipped;
            inLeft -= skipped;
        }
        return out;
    }

  private:
    iconv_t m_cd;
};

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence at the start of `text`, 1 for a malformed one, so that
// one character without a Windows-1252 byte becomes one "?".
std::size_t utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC2 && lead < 0xE0)
        length = 2;
    if (lead > 0xF4 || length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuation(text[i])) return 1;
    return length;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view text) {
    Converter converter("UTF-8", "CP1252");
    return converter.run(text, "\xEF\xBF\xBD", [](std::string_view) { return std::size_t{1}; });
}

std::string utf8ToCp1252(std::string_view text) {
    Converter converter("CP1252", "UTF-8");
    return converter.run(text, "?", utf8SequenceLength);
}

bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The range of the second byte narrows for the leads that could start an overlong
        // form (E0, F0), a surrogate (ED) or a value past U+10FFFF (F4).
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (text.size() - i < length) return false;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k < length; ++k)
            if (!isContinuation(text[i + k])) return false;
        i += length;
    }
    return true;
}

std::string fileTextToUtf8(std::string_view text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii && isUtf8(text)) return std::string(text);
    return cp1252ToUtf8(text);
}

}  // namespace zentova
