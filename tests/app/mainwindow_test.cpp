// The main window repaints when its drawing area changed, and only then: a calculation pumps
// messages thousands of times a second, and a repaint each time cost it most of its time;
// a change that brought no repaint would leave the screen showing something old.

#include "app/mainwindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>
#include <utility>
#include <vector>

#include "app/qtpump.h"
#include "canvas/canvas.h"
#include "pump/pump.h"
#include "runs/programstate.h"

namespace zentova {
namespace {

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

class MainWindowRepaint : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(*program, "");
        window->resize(320, 240);
        window->installEventFilter(&counter);
        window->show();
        for (int i = 0; i < 20 && counter.paints == 0; ++i) QCoreApplication::processEvents();
        ASSERT_GT(counter.paints, 0) << "the window was never painted";
    }
    Canvas& canvas() { return *program->toolkit.mainCanvas; }

    std::unique_ptr<ProgramState> program = std::make_unique<ProgramState>();
    std::unique_ptr<MainWindow> window;
    PaintCounter counter;
};

TEST_F(MainWindowRepaint, OnlyWhenTheDrawingAreaChanged) {
    QtMessagePump windowPump(window.get());
    const auto passes = [&](int count) {
        const int before = counter.paints;
        for (int i = 0; i < count; ++i) windowPump.processMessages();
        return counter.paints - before;
    };
    EXPECT_EQ(passes(50), 0) << "nothing was drawn, yet the window was painted again";

    // Each way the drawing code changes the area: painting, pixels, text, a new size.
    canvas().setBrushColor(packColor(200, 10, 10));
    canvas().fillRect(10, 10, 60, 60);
    EXPECT_GE(passes(3), 1) << "painted rectangle";
    EXPECT_EQ(window->grab().toImage().pixel(30, 30), qRgb(200, 10, 10));

    canvas().setPixel(100, 100, packColor(1, 2, 3));
    EXPECT_GE(passes(3), 1) << "pixel";
    EXPECT_EQ(window->grab().toImage().pixel(100, 100), qRgb(1, 2, 3));

    canvas().setFontColor(packColor(255, 255, 255));
    canvas().textOut(150, 150, "Zentova");
    EXPECT_GE(passes(3), 1) << "text";

    window->resize(400, 300);
    EXPECT_GE(passes(3), 1) << "resize";

    EXPECT_EQ(passes(50), 0) << "painted again after the changes were shown";
}

// Keys pressed faster than a wait looks (ten milliseconds apart, or a held key's repeats)
// are all kept, in order, where the waits take them; an arrow or Tab hands the focus to
// the keyboard, a click anywhere in the window back to the mouse.
TEST_F(MainWindowRepaint, EveryKeyIsKeptInOrderAndArrowsOrAClickSayWhoSteers) {
    Input() = InputState{};
    const auto send = [&](QWidget* to, int key, const QString& text, bool repeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, repeat);
        QCoreApplication::sendEvent(to, &press);
    };
    send(window.get(), Qt::Key_Down, {});
    send(window.get(), Qt::Key_Down, {}, true);
    send(window.get(), Qt::Key_Y, "y");
    send(window.get(), Qt::Key_Down, {});
    EXPECT_TRUE(Input().keyboardSteers);
    std::vector<std::pair<int, char>> taken;
    while (!Input().keys.empty()) {
        const KeyPress p = Input().keys.take();
        taken.emplace_back(p.key, p.character);
    }
    EXPECT_EQ(taken,
              (std::vector<std::pair<int, char>>{
                  {Qt::Key_Down, 0}, {Qt::Key_Down, 0}, {Qt::Key_Y, 'y'}, {Qt::Key_Down, 0}}));
    EXPECT_EQ(Input().keys.take().key, 0);  // none left

    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), window->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &click);
    EXPECT_FALSE(Input().keyboardSteers);
    send(window.get(), Qt::Key_Y, "y");
    EXPECT_FALSE(Input().keyboardSteers);  // typing is not steering
    Input() = InputState{};
}

}  // namespace
}  // namespace zentova
