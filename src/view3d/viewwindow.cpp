#include "view3d/viewwindow.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QtGlobal>

#include "lang/language.h"
#include "view3d/focusframe.h"
#include "view3d/scene.h"
#include "view3d/viewgl.h"

namespace zentova {

namespace {

struct ButtonDesign {
    const char* caption;
    int left;
};

// Button1..Button5; all 109 x 25 at top 4. Zoom sits left of Stop.
constexpr std::array<ButtonDesign, 5> Buttons{{{QT_TRANSLATE_NOOP("View", "Horizontal angle"), 4},
                                               {QT_TRANSLATE_NOOP("View", "Vertical angle"), 120},
                                               {QT_TRANSLATE_NOOP("View", "Original angle"), 236},
                                               {QT_TRANSLATE_NOOP("View", "Stop"), 460},
                                               {QT_TRANSLATE_NOOP("View", "Zoom"), 348}}};

// Raster-only platforms: a window holding a GL widget there cannot even be shown safely.
bool platformComposesGL() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal" && platform != "linuxfb" &&
           platform != "vnc";
}

}  // namespace

TForm2::TForm2() : ViewSurface(nullptr, Qt::Window) {
    // Before anything asks for the window's interface: the first answer is kept.
    InstallViewAccessibility();
    setObjectName("TForm2");
    setWindowTitle(QString::fromStdString(translated("View", "Simulation run")));
    QFont designFont("MS Sans Serif");
    designFont.setPixelSize(11);
    setFont(designFont);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setGeometry(335, 237, 571, 440);
    setFocusPolicy(Qt::StrongFocus);

    // Created first, so the buttons lie above it. The picture is a native window, which
    // stacks above everything that is not: the buttons and the status line are made
    // native windows too, created after it.
    if (platformComposesGL()) {
        m_view = new ViewGL;
        m_viewContainer = QWidget::createWindowContainer(m_view, this);
        m_viewContainer->setObjectName("Picture");
        m_viewContainer->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_viewContainer->setFocusPolicy(Qt::NoFocus);
        m_viewContainer->setGeometry(rect());
    }

    for (const ViewButton b : ViewButtons) {
        const ButtonDesign& design = Buttons[slot(b)];
        auto* made = new FocusFramed<QPushButton>(
            QString::fromStdString(translated("View", design.caption)), this);
        made->setObjectName(QString("Button%1").arg(static_cast<int>(b)));
        made->setGeometry(design.left, 4, 109, 25);
        made->setEnabled(false);
        made->hide();
        made->installEventFilter(this);
        if (m_view) made->setAttribute(Qt::WA_NativeWindow);
        m_buttons[slot(b)] = made;
    }
    connect(button(ViewButton::OriginalAngle), &QPushButton::clicked, this,
            [this] { Button3Click(); });
    // Tab goes along the row as it stands, left to right: Zoom before Stop.
    const ViewButton row[5] = {ViewButton::HorizontalAngle, ViewButton::VerticalAngle,
                               ViewButton::OriginalAngle, ViewButton::Zoom, ViewButton::Stop};
    for (std::size_t k = 0; k + 1 < 5; ++k) setTabOrder(button(row[k]), button(row[k + 1]));

    // The status line: one strip under the buttons, over the picture like them.
    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName("StatusLine");
    m_statusLine->setAutoFillBackground(true);
    m_statusLine->setContentsMargins(4, 0, 4, 0);
    m_statusLine->setGeometry(4, 33, width() - 8, StatusLineHeight);
    if (m_view) m_statusLine->setAttribute(Qt::WA_NativeWindow);
    m_statusLine->hide();
    m_noteTimer.setSingleShot(true);
    connect(&m_noteTimer, &QTimer::timeout, this, [this] { setStatus(m_status); });
}

// The container owns the picture's window and deletes it with itself.
void TForm2::closeEvent(QCloseEvent* event) {
    // Closing the window ends what it shows, as "Stop" (or "Terminate") does; the run then
    // waits for no click on a window that is gone.
    setTag(ViewButton::Stop, 1);
    stopRecording();
    QWidget::closeEvent(event);
}

void TForm2::hideEvent(QHideEvent* event) {
    // A run that puts the view away ends its recording with it; a window minimised does not.
    if (!event->spontaneous()) stopRecording();
    QWidget::hideEvent(event);
}

TForm2::~TForm2() = default;

bool TForm2::makeViewCurrent() const {
    return m_view && m_view->makeContextCurrent();
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_viewContainer) m_viewContainer->setGeometry(rect());
    if (m_statusLine) fitStatusLine(m_statusLine->text(), m_statusLine->wordWrap());
    resa();
}

void TForm2::resa() {
    SetUpScene(*this);
    if (m_view) m_view->setClearColor({0.1f, 0.1f, 0.5f, 0.2f});
}

void PlaceViewWindow(TForm2& window, int screenWidth) {
    // The sizes are outer ones; the frame is known once the window has been shown (and is
    // none without a window manager).
    const QSize frame = window.frameGeometry().size() - window.size();
    window.move(screenWidth - 820, 30);
    window.resize(800 - frame.width(), 700 - frame.height());
}

}  // namespace zentova
