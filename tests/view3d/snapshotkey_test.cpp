// The key S in the view window and the status line under the buttons.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "support/tempfiles.h"
#include "view3d/drawing.h"
#include "view_fixture.h"

namespace zentova::test {
namespace {

using SnapshotKeyTest = ViewTest;

void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(QChar(key).toLower()));
    QApplication::sendEvent(widget, &event);
}

TEST_F(SnapshotKeyTest, KeySSavesThePictureShownAndSaysSoInTheStatusLine) {
    REQUIRE_GL(300, 240);
    zentova::testing::TempDir dir;
    const std::string path = dir.file("view-0.300.png");
    int asked = 0;
    window->setSnapshotNamer([&] {
        ++asked;
        return path;
    });
    RenderState(scene(), particles);  // one grey sphere at the centre

    pressKey(window.get(), Qt::Key_S, Qt::ControlModifier);  // not the plain key
    EXPECT_EQ(asked, 0);
    pressKey(window.get(), Qt::Key_S);
    EXPECT_EQ(asked, 1);
    QImage saved;
    ASSERT_TRUE(saved.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(saved.size(), picture().size());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(saved.pixel(150, 120), saved.pixel(5, 5));  // the sphere over the background
    EXPECT_TRUE(window->statusLine()->isVisible());
    EXPECT_EQ(window->statusLine()->text().toStdString(), "Picture saved as " + path);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // The note stands while the readings keep coming.
    window->setStatus("t = 1.000");
    EXPECT_EQ(window->statusLine()->text().toStdString(), "Picture saved as " + path);
}

TEST_F(SnapshotKeyTest, AFailedSaveIsReportedInTheStatusLine) {
    REQUIRE_GL(200, 200);
    RenderState(scene(), particles);
    EXPECT_FALSE(window->saveSnapshot("/nonexistent-folder/view.png"));
    EXPECT_TRUE(window->statusLine()->text().startsWith("The picture was not saved: "))
        << window->statusLine()->text().toStdString();
}

TEST_F(SnapshotKeyTest, StatusLineSitsUnderTheButtonsAndHidesWhenEmpty) {
    window->resize(800, 700);
    window->show();
    ShowViewButtons(*window);
    QLabel* line = window->statusLine();
    EXPECT_FALSE(line->isVisible());
    window->setStatus("t = 0.015   frames 1");
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), "t = 0.015   frames 1");
    EXPECT_GE(line->geometry().top(),
              window->button(ViewButton::HorizontalAngle)->geometry().bottom());
    EXPECT_EQ(line->geometry().width(), 792);
    window->setStatus("");
    EXPECT_FALSE(line->isVisible());
}

// A note longer than the window is wide (the key D's description) takes the lines it needs
// instead of being cut at the window's edge; the status after it is one line again.
TEST_F(SnapshotKeyTest, ALongNoteWrapsAcrossTheWindowInsteadOfBeingCut) {
    window->resize(400, 300);
    window->show();
    QLabel* line = window->statusLine();
    const QString note =
        "120 particles of 2 types: 40 of type 1 (mass 0.05), 80 of type 2 (mass 0.05). Radius "
        "of gyration 7.9 in a cube of half edge 50. The types are mixed: the centres of types 1 "
        "and 2 lie 0.946 apart.";
    window->showNote(note);
    EXPECT_EQ(line->text(), note);
    EXPECT_EQ(line->width(), 392);
    EXPECT_GE(line->height(), 3 * 13);  // three lines at least, at 392 pixels
    EXPECT_GE(line->height(), line->heightForWidth(line->width()));
    EXPECT_LE(line->geometry().bottom(), window->height());
}

}  // namespace
}  // namespace zentova::test
