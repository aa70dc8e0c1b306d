// What the command line says: one line per message whatever a file name holds, and a
// folder named in a hint as a shell reads it back.

#include <gtest/gtest.h>

#include <sstream>

#include "command/command.h"

namespace zentova {
namespace {

TEST(Messages, StayOneLineWhateverAFileNameHolds) {
    const struct {
        std::string message;
        std::string told;
    } cases[] = {
        {"p.zpr: cannot read", "zentova: p.zpr: cannot read\n"},
        {"a\nb.zpr: cannot read", "zentova: a\\nb.zpr: cannot read\n"},
        {"a\r\tb", "zentova: a\\r\\tb\n"},
        {"\x1b[31mred\x7f", "zentova: \\x1b[31mred\\x7f\n"},
        {std::string("nul\0here", 8), "zentova: nul\\x00here\n"},
        {"Zo\xc3\xab.zpr", "zentova: Zo\xc3\xab.zpr\n"},  // letters beyond ASCII stay
    };
    for (const auto& c : cases) {
        std::ostringstream err;
        tell(err, c.message);
        EXPECT_EQ(err.str(), c.told);
    }
}

TEST(Messages, AFolderInAHintIsOneShellWord) {
    const struct {
        const char* folder;
        const char* word;
    } cases[] = {
        {"out", "out"},
        {"/tmp/run-2/out_3.d", "/tmp/run-2/out_3.d"},
        {"my runs", "'my runs'"},
        {"a;rm -rf x", "'a;rm -rf x'"},
        {"$(reboot)", "'$(reboot)'"},
        {"it's", "'it'\\''s'"},
        {"-n", "./-n"},
        {"-a b", "'./-a b'"},
        {"", "''"},
    };
    for (const auto& c : cases) EXPECT_EQ(shellWord(c.folder), c.word) << c.folder;
}

}  // namespace
}  // namespace zentova
