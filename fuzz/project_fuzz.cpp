// The project reader on arbitrary bytes.

#include "files/encoding.h"
#include "files/linereader.h"
#include "files/projectfile.h"
#include "fuzzcheck.h"
#include "model/limits.h"

using namespace zentova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzz::input(data, size);
    Project project;
    try {
        project = readProject(in, fuzz::FileName);
    } catch (const FileError& error) {
        fuzz::checkMessage(error);
        return 0;
    }
    // The editor, the summary and the views take an accepted project as it is: the limits hold
    // and every value is finite (a calculation may still refuse a mass or a diameter).
    fuzz::require(project.typeCount >= 0 && project.typeCount <= MaxTypes, "types out of range");
    fuzz::require(project.particleCount == sumOfCounts(project), "particle count is not the sum");
    fuzz::require(project.particleCount <= MaxParticles, "too many particles accepted");
    fuzz::requireFinite(project.ae, "a coefficient that is not finite accepted");
    fuzz::requireFinite(project.ag, "a coefficient that is not finite accepted");
    fuzz::requireFinite(project.ar, "a coefficient that is not finite accepted");
    for (int t = 1; t <= project.typeCount; ++t) {
        fuzz::require(project.counts[t] >= 0, "a negative count accepted");
        fuzz::requireFinite(project.masses[t], "a mass that is not finite accepted");
        fuzz::requireFinite(project.diameters[t], "a diameter that is not finite accepted");
    }
    for (const char c : project.name)
        fuzz::require(static_cast<unsigned char>(c) >= 0x20, "a control character in the name");

    // Save as, then Retrieve: the saved file must load, and saving again changes nothing.
    const std::string saved = formatProject(project);
    std::istringstream again(saved);
    Project reloaded;
    try {
        reloaded = readProject(again, fuzz::FileName);
    } catch (const FileError& error) {
        fuzz::failed(std::string("a saved project does not load: ") + error.what());
    }
    // The name goes out in Windows-1252; one whose bytes happen to be UTF-8 as well comes
    // back read as UTF-8 (as a UTF-8 editor would have saved it), and is then another name.
    // A name whose bytes begin like a byte-order mark is saved behind a mark of its own.
    std::string_view savedName = std::string_view(saved).substr(0, saved.find('\r'));
    if (savedName.starts_with(ByteOrderMark)) savedName.remove_prefix(ByteOrderMark.size());
    const std::string resaved = formatProject(reloaded);
    if (fileTextToUtf8(savedName) == cp1252ToUtf8(savedName))
        fuzz::require(resaved == saved, "saving the reloaded project differs");
    else
        fuzz::require(resaved.substr(resaved.find('\r')) == saved.substr(saved.find('\r')),
                      "saving the reloaded project differs after the name");
    fuzz::require(reloaded.typeCount == project.typeCount && reloaded.counts == project.counts &&
                      reloaded.charges == project.charges && reloaded.colors == project.colors,
                  "the whole numbers changed on the way through the file");
    return 0;
}
