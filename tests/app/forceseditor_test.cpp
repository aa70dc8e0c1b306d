// The forces editor: its samples against the force law, the type lists, the coefficient
// entry with "done" and "Terminate force parameters", and what it plots.

#include "app/forceseditor.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "canvas/screenitems.h"
#include "editor_fixture.h"
#include "model/force.h"
#include "support/pixels.h"

namespace zentova {
namespace {

using testing::countColor;
using testing::EditorWorld;

Project fourTypes() {
    Project p;
    p.name = "Four";
    p.typeCount = 4;
    p.counts = {0, 1, 1, 1, 1};
    p.masses = {0, 1.0, 2.0, 3.0, 4.0};
    p.charges = {0, 1, -1, 2, 0};
    p.diameters = {0, 6.0, 6.0, 10.0, 2.0};
    p.ae = 1.0;
    return p;
}

TEST(ForceSamples, FollowTheForceLawAlongTheAxisClampedToFourHundred) {
    const Project p = fourTypes();
    const ForceSamples samples = forceSamples(p, 50.0, 1, 3, 0.5, 2.0, 0.01);
    const double origin[3] = {0, 0, 0};
    for (int l : {1, 2, 10, 57, 100, 399, 400}) {
        const double other[3] = {0, 0, 0.1 * l};
        const double f = PairForceByTerms(p, 50.0, 1, 3, origin, other, 0.5, 2.0, 0.01).F;
        EXPECT_EQ(samples[static_cast<std::size_t>(l - 1)], std::clamp(f, -400.0, 400.0)) << l;
    }
    // Charges 1 and 2 with ae 2 repel: -2 * 10 * 2 / (0.04 * 10)^2 = -250 at 10 units, no core.
    const ForceSamples charges = forceSamples(p, 50.0, 1, 3, 0.0, 2.0, 0.0);
    EXPECT_DOUBLE_EQ(charges[99], -250.0);
    EXPECT_EQ(charges[0], -400.0);

    // Repelling only: clamped at the smallest separations, rising towards zero.
    const ForceSamples repel = forceSamples(p, 50.0, 2, 2, 0.0, 0.0, 1.0);
    EXPECT_EQ(repel[0], -400.0);
    for (std::size_t k = 1; k < repel.size(); ++k) EXPECT_GE(repel[k], repel[k - 1]) << k;
    EXPECT_GT(repel.back(), -0.1);
    EXPECT_LT(repel.back(), 0.0);
}

TEST(ForcesEditorPlot, CoefficientsShowFourDecimalsAfterEightSignificantDigits) {
    EXPECT_EQ(coefficientText(1.0), "1.0000");
    EXPECT_EQ(coefficientText(-0.00005), "-0.0001");
    EXPECT_EQ(coefficientText(1234567.891), "1234567.9000");
    EXPECT_EQ(coefficientText(2.5e9), "2.5000000E+09");
}

TEST(ForceCurveDescription, NamesThePairTheExtremesAndWhereTheSignChanges) {
    const std::string pair = "Force between Type3 and Type1 against distance, 0.1 to 40.0, ";
    ForceSamples flat{};
    ForceSamples crossing{};
    crossing.fill(0.25);
    crossing[0] = -400.0;
    crossing[1] = -20.0;
    crossing[2] = 0.0;  // the change is counted across it, from 0.2 to 0.4
    crossing[3] = 5.0;
    crossing[9] = -0.5;
    ForceSamples rising{};
    for (std::size_t k = 0; k < rising.size(); ++k) rising[k] = -400.0 + static_cast<double>(k);
    struct Case {
        const ForceSamples& samples;
        std::string said;
    };
    const Case cases[] = {
        {flat, "for ae = 1.0000, ag = 0.2500, ar = 0.0020: 0 at every distance."},
        {crossing,
         "for ae = 1.0000, ag = 0.2500, ar = 0.0020 (positive attracts): smallest -400 at 0.1, "
         "largest 5 at 0.4; it changes sign between 0.2 and 0.4, between 0.9 and 1.0, between "
         "1.0 and 1.1."},
        {rising,
         "for ae = 1.0000, ag = 0.2500, ar = 0.0020 (positive attracts): smallest -400 at 0.1, "
         "largest -1 at 40.0; it does not change sign."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(forceCurveDescription(3, 1, 1.0, 0.25, 0.002, c.samples), pair + c.said);
}

// Tab goes down the fields to "done", then to the two lists and "Terminate force
// parameters", where Enter presses it; the lists say which type each is.
TEST(EditForces, TabFollowsTheReadingOrderAndEnterOnTerminateEndsTheEditor) {
    EditorWorld w;
    ForcesEditor& f = *w.forces;
    const std::vector<QWidget*> stops = {w.edit[1],   w.edit[2],   w.edit[3], w.button[1],
                                         f.ComboBox1, f.ComboBox2, f.Button5};
    std::vector<QWidget*> order = {w.edit[1]};
    for (QWidget* at = w.edit[1]->nextInFocusChain(); at != w.edit[1]; at = at->nextInFocusChain())
        if (std::find(stops.begin(), stops.end(), at) != stops.end()) order.push_back(at);
    EXPECT_EQ(order, stops);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.ComboBox2)->text(QAccessible::Description),
              "The second type of the pair plotted");

    w.program->project = fourTypes();
    w.then(100, [&] {
        w.edit[1]->setText("2");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(f.Button5, &enter);
    });
    w.forces->EditForces(w.program->toolkit, w.program->project, 50.0);
    EXPECT_EQ(w.program->project.ae, 2.0);
}

TEST(EditForces, FourTypesMakeTheBox150HighAndTerminateStoresTheFieldsWithoutAPlot) {
    EditorWorld w;
    ForcesEditor& f = *w.forces;
    w.program->project = fourTypes();
    bool plotted = false;
    w.pump.observe([&](int) {
        // The plot's white rectangle would cover the middle of the area.
        if (w.canvas.pixel(400, 450) == packColor(255, 255, 255)) plotted = true;
    });
    w.then(100, [&] {
        EXPECT_TRUE(f.GroupBox1->isVisibleTo(&w.window));
        EXPECT_EQ(f.GroupBox1->height(), 150);
        EXPECT_EQ(f.GroupBox1->title(), "Force between types:");
        ASSERT_EQ(f.ComboBox1->count(), 4);
        EXPECT_EQ(f.ComboBox1->itemText(3), "Type4");
        EXPECT_EQ(f.ComboBox2->count(), 4);
        EXPECT_EQ(f.ComboBox1->currentText(), "Type1");
        EXPECT_EQ(f.ComboBox2->currentText(), "Type2");
        EXPECT_FALSE(f.ComboBox1->isEditable());
        EXPECT_EQ(f.Button5->text(), "Terminate force parameters");
        EXPECT_EQ(w.fields.label[11]->text(), "Force parameters");
        EXPECT_EQ(w.fields.button1->text(), "done");
        EXPECT_EQ(w.fields.label[1]->text(), "Strong attraction        ");
        EXPECT_EQ(w.fields.label[3]->text(), "Repelling                ");
        EXPECT_EQ(w.edit[1]->text(), "1");
        w.edit[1]->setText("3");
        w.edit[2]->setText("4");
        w.edit[3]->setText("5");
        setTag(f.Button5, 1);
        setTag(w.button[1], 1);
    });
    w.forces->EditForces(w.program->toolkit, w.program->project, 50.0);
    EXPECT_FALSE(plotted);
    EXPECT_EQ(w.program->project.ae, 3.0);
    EXPECT_EQ(w.program->project.ag, 4.0);
    EXPECT_EQ(w.program->project.ar, 5.0);
    EXPECT_FALSE(f.GroupBox1->isVisibleTo(&w.window));
    EXPECT_FALSE(f.Button5->isVisibleTo(&w.window));
    EXPECT_EQ(w.fields.button1->text(), "Horizontal angle");
    EXPECT_EQ(countColor(w.canvas.image(), QRect(0, 0, 800, 600), packColor(0, 0, 0)), 800 * 600);
}

TEST(EditForces, EachDonePlotsTheChosenPairABadFieldStopsTheRestAndAFlatCurveWaits) {
    EditorWorld w;
    ForcesEditor& f = *w.forces;
    w.program->project = fourTypes();
    w.program->project.ag = 0.25;
    w.program->project.ar = 0.002;
    QImage before;
    w.then(100, [&] {
        before = w.canvas.image().copy();
        f.ComboBox1->setCurrentIndex(2);  // Type3 with itself: the same type is allowed
        f.ComboBox2->setCurrentIndex(2);
        w.edit[1]->setText("1");
        w.edit[2]->setText("oops");
        w.edit[3]->setText("7");  // not read: the field before it failed
        setTag(w.button[1], 1);
    });
    QImage plot;
    // A screen reader reads the plot as long as it shows.
    const auto described = [] {
        for (const ScreenItem& item : Screen().items())
            if (item.name.starts_with("Force between")) return item.name;
        return std::string();
    };
    w.then(200, [&] {
        plot = w.canvas.image().copy();
        EXPECT_TRUE(described().starts_with("Force between Type3 and Type3 against distance"));
        EXPECT_EQ(w.edit[1]->text(), "1");
        EXPECT_EQ(w.edit[2]->text(), "0.25");  // the old values show again
        EXPECT_EQ(w.edit[3]->text(), "0.002");
        for (int i = 1; i <= 3; ++i) w.edit[static_cast<std::size_t>(i)]->setText("0");
        setTag(w.button[1], 1);
    });
    // Every sample is 0 now: the panel waits for a click before the fields come back.
    bool panelWaited = false;
    w.then(300, [&] { panelWaited = !w.fields.button1->isVisibleTo(&w.window); });
    w.click(10);
    w.then(200, [&] {
        EXPECT_TRUE(w.fields.button1->isVisibleTo(&w.window));
        setTag(f.Button5, 1);
        setTag(w.button[1], 1);
    });
    w.forces->EditForces(w.program->toolkit, w.program->project, 50.0);
    EXPECT_EQ(described(), "");
    EXPECT_TRUE(panelWaited);
    EXPECT_EQ(w.program->project.ae, 0.0);

    // No plot before the first "done"; then the white rectangle from (100, 220) to (700, 580)
    // with the coefficients and the black curve.
    ASSERT_FALSE(plot.isNull());
    EXPECT_NE(fromQRgb(before.pixel(101, 221)), packColor(255, 255, 255));
    EXPECT_EQ(fromQRgb(plot.pixel(101, 221)), packColor(255, 255, 255));
    EXPECT_GT(countColor(plot, QRect(181, 260, 490, 270), packColor(0, 0, 0)), 400);
    EXPECT_GT(countColor(plot, QRect(550, 230, 140, 50), packColor(0, 0, 0)), 40);  // "ae = "
}

// The coefficients are written before the plot: the curve runs over them along the top, and
// they are on show while a flat curve's panel waits.
TEST(EditForces, TheCoefficientsStandUnderTheCurveAndStayWhileAFlatCurveWaits) {
    EditorWorld w;
    w.program->project = fourTypes();
    const auto enter = [&](const char* ae, const char* ag, const char* ar) {
        w.edit[1]->setText(ae);
        w.edit[2]->setText(ag);
        w.edit[3]->setText(ar);
        setTag(w.button[1], 1);
    };
    w.then(100, [&] { enter("0", "0", "1"); });
    QImage repelling;
    w.then(200, [&] {
        repelling = w.canvas.image().copy();
        enter("0", "0", "0");
    });
    QImage waiting;
    w.then(300, [&] { waiting = w.canvas.image().copy(); });
    w.click(10);
    w.then(200, [&] {
        setTag(w.forces->Button5, 1);
        setTag(w.button[1], 1);
    });
    w.forces->EditForces(w.program->toolkit, w.program->project, 50.0);

    // Plot from (110, 230) to (690, 570): with ar alone the curve rises to its maximum at the
    // top row 260 and runs along it to column 670, through "ar = 1.0000" at (550, 260).
    ASSERT_FALSE(repelling.isNull());
    for (int x = 555; x <= 665; ++x)
        EXPECT_GT(countColor(repelling, QRect(x, 256, 1, 10), packColor(0, 0, 0)), 0) << x;
    ASSERT_FALSE(waiting.isNull());
    EXPECT_GT(countColor(waiting, QRect(550, 228, 140, 50), packColor(0, 0, 0)), 40);
}

// The box holds a line per type below its two lists, however many types there are.
TEST(EditForces, TheBoxIs25HighForEachTypeAnd50More) {
    for (const auto& [types, height] : {std::pair{1, 75}, {4, 150}, {9, 275}, {20, 550}}) {
        SCOPED_TRACE(types);
        EditorWorld w;
        ForcesEditor& f = *w.forces;
        w.program->project = fourTypes();
        w.program->project.typeCount = types;
        int seen = 0;
        w.then(100, [&] {
            seen = f.GroupBox1->height();
            f.Button5->click();
        });
        w.forces->EditForces(w.program->toolkit, w.program->project, 50.0);
        EXPECT_EQ(seen, height);
        EXPECT_EQ(f.ComboBox2->count(), types);
    }
}

// The panel of a flat curve waits for a click or key in the main window; "Terminate force
// parameters" clicked meanwhile is lost, and ends the editor only when clicked at the fields.
TEST(EditForces, TerminateWhileAFlatCurveWaitsIsLost) {
    EditorWorld w;
    ForcesEditor& f = *w.forces;
    w.program->project = fourTypes();
    int entries = 0;  // the times the fields come up
    bool was = false;
    w.pump.observe([&](int) {
        const bool now = w.fields.button1->isVisibleTo(&w.window);
        if (now && !was) ++entries;
        was = now;
    });
    w.then(100, [&] {
        for (int i = 1; i <= 3; ++i) w.edit[static_cast<std::size_t>(i)]->setText("0");
        setTag(w.button[1], 1);
    });
    // Every sample is 0: the panel waits, and the button does not end the wait.
    w.then(300, [&] {
        EXPECT_FALSE(w.fields.button1->isVisibleTo(&w.window));
        f.Button5->click();
    });
    w.then(300, [&] { EXPECT_FALSE(w.fields.button1->isVisibleTo(&w.window)); });
    w.click(10);  // the main window's click ends the panel; the fields come back
    w.then(300, [&] {
        EXPECT_TRUE(w.fields.button1->isVisibleTo(&w.window));
        EXPECT_TRUE(f.GroupBox1->isVisibleTo(&w.window));
        w.edit[1]->setText("1");
        f.Button5->click();
    });
    w.forces->EditForces(w.program->toolkit, w.program->project, 50.0);
    EXPECT_EQ(entries, 2);
    EXPECT_EQ(w.program->project.ae, 1.0);
    EXPECT_FALSE(f.Button5->isVisibleTo(&w.window));
}

}  // namespace
}  // namespace zentova
