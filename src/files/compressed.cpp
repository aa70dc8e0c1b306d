#include "files/compressed.h"

#include <zlib.h>

#include <cerrno>
#include <fstream>
#include <streambuf>

#include "files/fileerror.h"
#include "files/fileio.h"

namespace zentova {

namespace {

// A gzip file read as a stream, a block at a time. A file that ends inside its compressed
// data (a run still writing it, a copy stopped) ends there, as a plain file cut short does;
// damaged data is refused.
class GzBuffer : public std::streambuf {
  public:
    GzBuffer(gzFile file, std::string path) : m_file(file), m_path(std::move(path)) {}
    ~GzBuffer() override { gzclose(m_file); }
    GzBuffer(const GzBuffer&) = delete;
    GzBuffer& operator=(const GzBuffer&) = delete;

  protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        const int got = gzread(m_file, m_block, sizeof m_block);
        if (got <= 0) {
            int code = Z_OK;
            const char* text = gzerror(m_file, &code);
            if (code != Z_OK && code != Z_BUF_ERROR)
                throw FileError(m_path, 0,
                                std::string("cannot read the compressed file: ") +
                                    (text != nullptr ? text : "damaged"));
            return traits_type::eof();
        }
        setg(m_block, m_block, m_block + got);
        return traits_type::to_int_type(*gptr());
    }

  private:
    gzFile m_file;
    std::string m_path;
    char m_block[1 << 16];
};

class GzStream : public std::istream {
  public:
    GzStream(gzFile file, std::string path)
        : std::istream(nullptr), m_buffer(file, std::move(path)) {
        rdbuf(&m_buffer);
    }

  private:
    GzBuffer m_buffer;
};

}  // namespace

std::unique_ptr<std::istream> openMaybeCompressed(const std::string& path) {
    std::ifstream plain = fileio::openInput(path);  // checks it is a regular file
    const bool compressed = path.size() > 3 && path.compare(path.size() - 3, 3, ".gz") == 0;
    if (!compressed) return std::make_unique<std::ifstream>(std::move(plain));
    plain.close();
    errno = 0;
    gzFile file = gzopen(path.c_str(), "rb");
    if (file == nullptr)
        throw FileError(path, 0, "cannot open: " + fileio::errorText(errno ? errno : ENOMEM));
    return std::make_unique<GzStream>(file, path);
}

}  // namespace zentova
