// The field entry: where its title, fields and button go, what it reads back, how it ends,
// and that it leaves screen and controls as it found them; and the editors' number texts.

#include "app/editfields.h"

#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "support/pixels.h"

namespace zentova {
namespace {

using testing::EditorWorld;

struct Layout {
    int title = 0;
    std::vector<int> fields;
    int button = 0;
    int buttonLeft = 0;
    std::vector<QString> captions;
    int shownFields = 0;
    bool screenChanged = false;
};

// Runs the entry; once it waits, records the layout and ends it with `finish`.
Layout runEntry(EditorWorld& w, int count, const FieldTexts& captions, FieldTexts& values,
                std::function<void()> finish) {
    Layout seen;
    FieldControls& c = w.fields;
    const QImage before = w.canvas.image().copy();
    w.then(100, [&] {
        seen.title = c.label[11]->y();
        for (int i = 1; i <= 10; ++i) {
            if (!c.edit[static_cast<std::size_t>(i)]->isVisibleTo(&w.window)) continue;
            ++seen.shownFields;
            seen.fields.push_back(c.edit[static_cast<std::size_t>(i)]->y());
            EXPECT_EQ(c.label[static_cast<std::size_t>(i)]->y(), seen.fields.back());
            seen.captions.push_back(c.label[static_cast<std::size_t>(i)]->text());
        }
        seen.button = c.button1->y();
        seen.buttonLeft = c.button1->x();
        seen.screenChanged = w.canvas.image() != before;
        finish();
    });
    EditFields(w.program->toolkit, w.fields, count, "Title", captions, values);
    return seen;
}

TEST(EditFields, ThreeFieldsUnderATitleAtFortyAndTheButtonThirtyBelowTheLast) {
    EditorWorld w;
    FillWhiteRect(w.canvas, 0, 0, 800, 600);
    const QImage before = w.canvas.image().copy();
    FieldTexts values = {"1", "2", "3", "stale 4", "stale 5", "", "", "", "", "stale 10"};
    const FieldTexts captions = {"Strong attraction", "A caption longer than twenty-five", "R"};
    const Layout seen = runEntry(w, 3, captions, values, [&] {
        w.edit[2]->setText("  7.5");
        setTag(w.button[1], 1);
    });
    EXPECT_EQ(seen.title, 40);
    EXPECT_EQ(seen.fields, (std::vector<int>{65, 90, 115}));
    EXPECT_EQ(seen.button, 145);
    EXPECT_EQ(seen.buttonLeft, w.edit[1]->x());
    EXPECT_EQ(seen.captions,
              (std::vector<QString>{"Strong attraction        ", "A caption longer than twe",
                                    "R                        "}));
    EXPECT_TRUE(seen.screenChanged) << "no box was drawn";
    // The values come back, those after the third empty; the screen is as it was.
    EXPECT_EQ(values, (FieldTexts{"1", "  7.5", "3", "", "", "", "", "", "", ""}));
    EXPECT_EQ(w.canvas.image(), before);
    EXPECT_FALSE(w.fields.button1->isVisibleTo(&w.window));
    EXPECT_FALSE(w.fields.label[11]->isVisibleTo(&w.window));
}

TEST(EditFields, ANegativeCountStandsAtTheBottomAndEnterEndsIt) {
    EditorWorld w;
    const int designTop = w.edit[1]->y();
    const int designTitle = w.fields.label[11]->y();
    FieldTexts values{};
    const Layout seen = runEntry(w, -3, {"a", "b", "c"}, values, [&] {
        w.edit[3]->setText("typed");
        Input().lastKey = 13;
    });
    EXPECT_EQ(seen.title, 600 - 175);
    EXPECT_EQ(seen.fields, (std::vector<int>{450, 475, 500}));
    EXPECT_EQ(seen.button, 530);
    EXPECT_EQ(values[2], "typed");
    // The borrowed controls are back where the form has them.
    EXPECT_EQ(w.edit[1]->y(), designTop);
    EXPECT_EQ(w.fields.label[1]->y(), designTop);
    EXPECT_EQ(w.fields.label[11]->y(), designTitle);
}

TEST(EditFields, SevenFieldsMoveTheSecondColumnTooAndAPlainEntryDrawsNoBox) {
    EditorWorld w;
    FieldTexts values{};
    const Layout seen = runEntry(w, 7, {}, values, [&] { setTag(w.button[1], 1); });
    EXPECT_EQ(seen.shownFields, 7);
    EXPECT_EQ(seen.fields.back(), 40 + 7 * 25);
    EXPECT_EQ(seen.button, 40 + 7 * 25 + 30);

    FieldTexts more{};
    const Layout plain = runEntry(w, 102, {}, more, [&] { setTag(w.button[1], 1); });
    EXPECT_EQ(plain.shownFields, 2);
    EXPECT_FALSE(plain.screenChanged);
}

TEST(FieldText, NumbersParseWholeAndFinite) {
    EXPECT_EQ(parseIntegerField(" 12"), 12);
    EXPECT_EQ(parseIntegerField("+5"), 5);
    EXPECT_EQ(parseIntegerField("-5"), -5);
    for (const char* bad : {"", "   ", "12 ", "1.5", "x", "99999999999", "+-5", "5a"})
        EXPECT_EQ(parseIntegerField(bad), std::nullopt) << bad;
    EXPECT_EQ(parseRealField("1e-5"), 1e-5);
    EXPECT_EQ(parseRealField("  .5"), 0.5);
    EXPECT_EQ(parseRealField("-2"), -2.0);
    for (const char* bad : {"", "nan", "inf", "-inf", "1e999", "1,5", "2x", "0x10", " 1 "})
        EXPECT_EQ(parseRealField(bad), std::nullopt) << bad;
    EXPECT_EQ(fieldText(0.0), "0");
    EXPECT_EQ(fieldText(0.1), "0.1");
    EXPECT_EQ(fieldText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(fieldText(1e-20), "1e-20");
    EXPECT_EQ(fieldText(std::int32_t{-7}), "-7");
}

}  // namespace
}  // namespace zentova
