// The one option reader: which refusal each kind of bad command line gets, and what a good
// one stores.

#include "command/options.h"

#include <gtest/gtest.h>

#include <optional>

namespace zentova {
namespace {

struct Read {
    bool more = false;  // false: an option ended the command
    std::string refusal;
    int fps = 25;
    std::optional<double> from;
    bool overwrite = false;
    std::string report, project;
};

Read read(std::vector<std::string> arguments) {
    Read r;
    const Option table[] = {
        flag("--overwrite", r.overwrite),
        wholeOption<int>("--fps", r.fps, 1, 60),
        realOption("--from", r.from, "a number"),
        textOption("--report=", r.report, ""),
        {"--help", 0, "", [](std::span<const std::string>) { return true; }, true},
    };
    try {
        r.more =
            readOptions(arguments, table, "--movie: unknown option", [&](const std::string& a) {
                if (a.starts_with("--") || !r.project.empty()) return false;
                r.project = a;
                return true;
            });
    } catch (const UsageError& e) {
        r.refusal = e.what();
    }
    return r;
}

TEST(Options, RefusalsNameTheArgumentAndWhatItNeeds) {
    const struct {
        std::vector<std::string> arguments;
        const char* refusal;
    } cases[] = {
        {{"--fps"}, "--fps needs a whole number from 1 to 60"},
        {{"--fps", "61"}, "--fps needs a whole number from 1 to 60"},
        {{"--fps", "0"}, "--fps needs a whole number from 1 to 60"},
        {{"--fps", "5x"}, "--fps needs a whole number from 1 to 60"},
        {{"--from", "inf"}, "--from needs a number"},
        {{"--bogus"}, "--movie: unknown option \"--bogus\""},
        {{"a.zpr", "b.zpr"}, "--movie: unknown option \"b.zpr\""},
        // The value is taken whatever it looks like; what follows is read as an argument.
        {{"--fps", "--overwrite", "7"}, "--fps needs a whole number from 1 to 60"},
    };
    for (const auto& c : cases) EXPECT_EQ(read(c.arguments).refusal, c.refusal) << c.arguments[0];
}

TEST(Options, StoresValuesInAnyOrderAndStopsAtAnEndingOption) {
    const Read r = read({"--from", "0.25", "a.zpr", "--report=csv", "--fps", "60", "--overwrite"});
    EXPECT_EQ(r.refusal, "");
    EXPECT_TRUE(r.more);
    EXPECT_EQ(r.fps, 60);
    EXPECT_EQ(r.from, 0.25);
    EXPECT_EQ(r.report, "csv");
    EXPECT_EQ(r.project, "a.zpr");
    EXPECT_TRUE(r.overwrite);

    // --help ends the reading: a refusal after it is never met.
    const Read help = read({"--help", "--bogus"});
    EXPECT_FALSE(help.more);
    EXPECT_EQ(help.refusal, "");
}

}  // namespace
}  // namespace zentova
