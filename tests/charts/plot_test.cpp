// How the lines of a plot are told apart: colours and pen styles worked out by hand.

#include "charts/plot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "charts/readingswindow.h"

namespace zentova {
namespace {

TEST(LineLooks, GivesALineThatLooksLikeAnEarlierOneOrTheBackgroundTheNextStyle) {
    const QColor white(255, 255, 255), nearWhite(250, 250, 245), red(220, 40, 40);
    const QColor dark(40, 40, 50);  // about the plot's own background
    struct Case {
        const char* what;
        std::vector<PlotLine> lines;
        std::vector<Qt::PenStyle> styles;
    };
    const Case cases[] = {
        {"a white type beside the dashed white mean stays solid",
         {{"mean", {}, white, Qt::DashLine}, {"type 5", {}, nearWhite}},
         {Qt::DashLine, Qt::SolidLine}},
        {"three near-white types and a red one",
         {{"1", {}, white}, {"2", {}, nearWhite}, {"3", {}, white}, {"4", {}, red}},
         {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::SolidLine}},
        {"a type as dark as the background", {{"1", {}, dark}}, {Qt::DashLine}},
        {"lines without a colour take the palette's, all apart",
         {{"a", {}, {}}, {"b", {}, {}}, {"c", {}, {}}},
         {Qt::SolidLine, Qt::SolidLine, Qt::SolidLine}},
    };
    // Seven lines without a colour take the whole palette: each must stand 3:1 against the
    // plot's background, the least contrast a line needs to be seen.
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const std::vector<PlotLine> seven(7, PlotLine{"", {}, {}});
    for (const auto& [colour, style] : lineLooks(PlotContent{"", "", "", seven}))
        EXPECT_GE((luminance(colour) + 0.05) / (luminance(QColor(46, 48, 58)) + 0.05), 3.0)
            << colour.name().toStdString();
    for (const Case& c : cases) {
        const auto looks = lineLooks(PlotContent{"", "", "", c.lines});
        ASSERT_EQ(looks.size(), c.styles.size()) << c.what;
        for (std::size_t k = 0; k < looks.size(); ++k) {
            EXPECT_EQ(looks[k].second, c.styles[k]) << c.what << ", line " << k;
            EXPECT_TRUE(looks[k].first.isValid()) << c.what << ", line " << k;
        }
    }
}

// What a screen reader says of a plot: each line's highest point, an empty line left out.
TEST(PlotInWords, NamesEachLinesHighestPoint) {
    const PlotContent content{"g(r)",
                              "distance r",
                              "g(r)",
                              {{"types 1 - 2", {{0.5, 0.0}, {2.65, 1234.5}, {4.0, 3.0}}, {}},
                               {"empty", {}, {}},
                               {"types 2 - 2", {{1.0, 0.25}}, {}}}};
    EXPECT_EQ(plotInWords(content),
              "g(r), g(r) against distance r: types 1 - 2 highest 1235 at 2.65; types 2 - 2 "
              "highest 0.25 at 1.");
}

// The Readings window's bath in a hue no type has: beside an orange type 1 and beside the
// palette's own first colours.
TEST(BathColour, TakesAHueNoTypeHas) {
    const auto apart = [](const QColor& a, const QColor& b) {
        return std::abs(a.hue() - b.hue()) > 30 && std::abs(a.hue() - b.hue()) < 330;
    };
    Project project;
    project.typeCount = 3;
    project.counts = {0, 40, 80, 10};
    const std::vector<std::vector<Rgb>> cases = {{{255, 165, 0}, {0, 200, 0}, {255, 255, 255}},
                                                 {{230, 159, 0}, {86, 180, 233}, {0, 158, 115}},
                                                 {{255, 176, 0}, {255, 140, 0}, {240, 228, 66}}};
    for (const auto& colours : cases) {
        for (int t = 1; t <= 3; ++t) project.colors[t] = colours[t - 1];
        const QColor bath = bathColour(project);
        for (const Rgb& c : colours) {
            if (QColor(c.r, c.g, c.b).hue() < 0) continue;  // white has no hue to share
            EXPECT_TRUE(apart(bath, QColor(c.r, c.g, c.b)))
                << bath.name().toStdString() << " beside "
                << QColor(c.r, c.g, c.b).name().toStdString();
        }
    }
    // A type without particles takes no colour away.
    project.counts = {0, 40, 0, 0};
    project.colors[1] = {86, 180, 233};
    const QColor alone = bathColour(project);
    project.colors[2] = {static_cast<std::uint8_t>(alone.red()),
                         static_cast<std::uint8_t>(alone.green()),
                         static_cast<std::uint8_t>(alone.blue())};
    EXPECT_EQ(bathColour(project), alone);
}

// Numbers said the way a person reads them, four significant digits, no exponent form.
TEST(SpokenNumber, WritesFourSignificantDigitsOutInFull) {
    const std::pair<double, const char*> cases[] = {{10140.4, "10140"},
                                                    {0.01234, "0.01234"},
                                                    {2.5, "2.5"},
                                                    {-3.25, "-3.25"},
                                                    {9999.7, "10000"},
                                                    {123456.7, "123500"},
                                                    {1.0, "1"},
                                                    {0.0, "0"},
                                                    {1.5e20, "1.5 times 10 to the 20"},
                                                    {1.5e-8, "1.5 times 10 to the -8"},
                                                    {std::nan(""), "not a number"}};
    for (const auto& [value, said] : cases) EXPECT_EQ(spokenNumber(value), said) << value;
}

}  // namespace
}  // namespace zentova
