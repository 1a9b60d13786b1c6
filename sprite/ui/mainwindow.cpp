#include "sprite/ui/mainwindow.h"

#include "desktop/announce.h"
#include "desktop/filedrop.h"
#include "desktop/prompts.h"
#include "sprite/core/captureframe.h"
#include "sprite/core/decode.h"
#include "sprite/core/palette.h"
#include "sprite/ui/pictureview.h"
#include "sprite/ui/programfolder.h"
#include "sprite/ui/texts.h"
#include "sprite/ui/windowlayout.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace pixmoth {

namespace {

// The busy pointer for as long as it lives.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// Lets the window repaint what is pending; the user's keys and clicks wait.
void letPaintsRun() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

MainWindow::MainWindow(felgrove::Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_prompts(prompts), m_controls(buildMainControls(*this)) {
    setWindowTitle(mainCaption());
    // The window is as large as its controls need, no larger.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_controls.picStd->clear(paletteQRgb(0));
    ArrangeControls();
    UpdateStatusText();
    PlaceCapturePreview();
    connectHandlers();
    setAcceptDrops(true);
    // Arrow keys move the capture box whichever control has the focus.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::connectHandlers() {
    connect(m_controls.mnuLoad, &QAction::triggered, this, &MainWindow::mnuLoad_Click);
    connect(m_controls.mnu1x1, &QAction::triggered, this, [this] { setMagnification(1); });
    connect(m_controls.mnu2x2, &QAction::triggered, this, [this] { setMagnification(2); });
    connect(m_controls.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(m_controls.mnuAlignToGrid, &QAction::triggered, this,
            &MainWindow::mnuAlignToGrid_Click);
    connect(m_controls.mnuEraseOnCapture, &QAction::triggered, this,
            &MainWindow::mnuEraseOnCapture_Click);
    connect(m_controls.mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(m_controls.cmdGenerate, &QPushButton::clicked, this, &MainWindow::cmdGenerate_Click);
    connect(m_controls.Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
}

void MainWindow::ArrangeControls() {
    // Captions wider than their places in this font push the lists right
    // and widen the column.
    int extra = 0;
    for (const QLabel* label : {m_controls.Label1, m_controls.Label3, m_controls.Label5})
        extra = std::max(extra, label->sizeHint().width() - FramePlaces::Label5.width());
    // Option buttons wider than their places move apart and widen the
    // column too, so that "Binary" is never cut.
    const QRect hex = FramePlaces::opbOutput0;
    const int hexWidth = std::max(hex.width(), m_controls.opbOutput[0]->sizeHint().width());
    const QRect binary(
        hex.left() + hexWidth, FramePlaces::opbOutput1.top(),
        std::max(FramePlaces::opbOutput1.width(), m_controls.opbOutput[1]->sizeHint().width()),
        FramePlaces::opbOutput1.height());
    m_controls.opbOutput[0]->setGeometry(QRect(hex.topLeft(), QSize(hexWidth, hex.height())));
    m_controls.opbOutput[1]->setGeometry(binary);
    extra = std::max(extra, binary.right() + 1 - FramePlaces::opbOutput1.right() - 1);
    const QRect lists[] = {FramePlaces::cboCol1, FramePlaces::cboCol2, FramePlaces::cboCol3};
    QComboBox* const boxes[] = {m_controls.cboCol1, m_controls.cboCol2, m_controls.cboCol3};
    QLabel* const labels[] = {m_controls.Label1, m_controls.Label3, m_controls.Label5};
    const QRect labelPlaces[] = {FramePlaces::Label1, FramePlaces::Label3, FramePlaces::Label5};
    for (int i = 0; i < 3; ++i) {
        labels[i]->setGeometry(labelPlaces[i].adjusted(0, 0, extra, 0));
        boxes[i]->setGeometry(lists[i].translated(extra, 0));
    }
    const int m = m_state.Magnification;
    const WindowLayout l = pixmoth::controlPlaces(m, devicePixelRatioF(), extra);
    m_controls.picStd->setGeometry(l.picStd);
    m_controls.picStd->setPictureFormat(QSize(320 * m, 200 * m), m);
    m_controls.Frame1->setGeometry(l.Frame1);
    m_controls.Frame3->setGeometry(l.Frame3);
    m_controls.Frame2->setGeometry(l.Frame2);
    m_controls.cmdGenerate->setGeometry(l.cmdGenerate);
    m_controls.ProgressBar1->setGeometry(l.ProgressBar1);
    m_controls.client->setFixedSize(l.client);
    // The fixed-size layout fits the window to the new client size.
    layout()->activate();
}

QRect MainWindow::previewPlace() const {
    return pixmoth::controlPlaces(m_state.Magnification, devicePixelRatioF(),
                                  m_controls.Frame1->width() - FramePlaces::kColumnWidth)
        .picCapture;
}

void MainWindow::PlaceCapturePreview() {
    m_controls.picCapture->setGeometry(previewPlace());
    // Each hi-res pixel of the preview is 3 x 3 pixels (a multicolour
    // pixel 6 x 3).
    m_controls.picCapture->setPictureFormat(QSize(kPreviewWidth, kPreviewHeight), 3);
    m_controls.picCapture->clear(paletteQRgb(0));
}

void MainWindow::UpdateStatusText() {
    m_controls.StatusBar1->setText(statusLine(m_state));
}

void MainWindow::mnuLoad_Click() {
    const QString path = m_prompts.openFileName(
        this, loadDialogTitle(), programFilesFolder(QCoreApplication::applicationDirPath()),
        loadDialogFilter());
    if (!path.isEmpty())
        loadPicture(path);
    // The load holds back input while the dialog closes; the return of the
    // keyboard to this window can then go unseen, leaving it inactive though
    // it has the keyboard: Tab moves nothing and screen readers stay silent.
    QTimer::singleShot(0, this, [this] {
        if (!isActiveWindow() && QGuiApplication::focusWindow() == windowHandle())
            QApplication::setActiveWindow(this);
    });
}

void MainWindow::loadPicture(const QString& path) {
    // Repaint what the dialog covered before the work starts.
    m_controls.picStd->repaint();
    letPaintsRun();
    LoadBitmapFile(path);
    // After a refused file these redraw the unchanged picture.
    DrawBitmap();
    DrawCapturePic();
}

void MainWindow::LoadBitmapFile(const QString& path) {
    const LoadResult result = pixmoth::readPictureFile(path, m_picture);
    switch (result.status) {
    case LoadStatus::WrongSize:
        m_prompts.message(this, felgrove::PromptIcon::Information, programName(), wrongSizeText());
        return;
    case LoadStatus::Unreadable:
        m_prompts.message(this, felgrove::PromptIcon::Warning, programName(),
                          unreadableText(path, result.reason));
        return;
    case LoadStatus::Loaded:
        break;
    }
    for (QComboBox* list : {m_controls.cboCol1, m_controls.cboCol2, m_controls.cboCol3}) {
        list->setEnabled(true);
        // The theme's background for entries, white in a light theme.
        setListBackground(list, QApplication::palette(list).color(QPalette::Base));
    }
    m_state.PictureLoaded = true;
}

void MainWindow::DrawBitmap() {
    BusyPointer busy;
    m_controls.Timer1->stop();
    // Clearing the picture takes the frame with it, as the timer is off.
    m_controls.picStd->clearOverlay();
    m_controls.picStd->clear(paletteQRgb(0));
    m_controls.picCapture->clear(paletteQRgb(0));
    m_controls.ProgressBar1->setRange(1, kPictureBitmapBytes);
    m_controls.ProgressBar1->setValue(1);
    m_controls.ProgressBar1->show();
    letPaintsRun();
    // The whole picture is drawn into an image at once and shown in one go.
    m_controls.picStd->setImage(renderPicture(m_picture, m_state.Magnification));
    m_controls.ProgressBar1->setValue(kPictureBitmapBytes);
    m_controls.ProgressBar1->hide();
    m_controls.Timer1->start();
}

void MainWindow::DrawCapturePic() {
    m_capture = captureArea(m_picture, m_state.origin());
    m_controls.picCapture->setImage(m_capture.preview);
    fillColourLists();
}

// The three lists always hold the same entries, "[none]" first and chosen:
// a capture never keeps the colours chosen for the previous area.
void MainWindow::fillColourLists() {
    for (QComboBox* list : {m_controls.cboCol1, m_controls.cboCol2, m_controls.cboCol3}) {
        list->clear();
        for (const ColourListEntry& entry : m_capture.listEntries)
            list->addItem(m_controls.ImageList1[std::size_t(entry.image() - 1)], entry.text,
                          entry.key);
        list->setCurrentIndex(0);
    }
}

void MainWindow::DrawCaptureFrame() {
    if (m_state.Rescaling)
        return;
    const ViewState at = m_state;
    const int colour = kFlashColours[std::size_t(m_state.FlashStep)];
    // The frame lives on the screen only; the next one replaces it. It sits
    // on the pixels the box captures, at the screen's pixel size.
    m_controls.picStd->setOverlay([at, colour](QPainter& painter, int pixelSize) {
        paintCaptureFrame(painter, at.box(pixelSize), pixelSize, colour);
    });
    m_state.FlashStep = nextFlashStep(m_state.FlashStep);
    m_state.PositionStatusText = positionText(at.CaptureX, at.CaptureY, at.Magnification);
    UpdateStatusText();
}

void MainWindow::Timer1_Timer() {
    DrawCaptureFrame();
}

void MainWindow::setMagnification(int magnification) {
    if (m_state.Magnification == magnification)
        return;
    const int from = m_state.Magnification;
    m_state.Magnification = magnification;
    m_state.Rescaling = true;
    // Whatever happens below, the timer's frame drawing resumes afterwards.
    struct EndRescaling {
        bool& flag;
        ~EndRescaling() { flag = false; }
    } end{m_state.Rescaling};
    ArrangeControls();
    if (m_state.PictureLoaded) {
        DrawBitmap();
        rescaleCapture(m_state, from);
        DrawCapturePic();
    } else {
        // Without a picture the box keeps its numbers, but it must still
        // fit the picture at the new magnification.
        clampCapture(m_state);
    }
}

void MainWindow::mnuAlignToGrid_Click() {
    m_state.AlignToGrid = m_controls.mnuAlignToGrid->isChecked();
    UpdateStatusText();
}

void MainWindow::mnuEraseOnCapture_Click() {
    m_state.EraseOnCapture = m_controls.mnuEraseOnCapture->isChecked();
    UpdateStatusText();
}

void MainWindow::mnuAbout_Click() {
    m_prompts.message(this, felgrove::PromptIcon::None, programName(), aboutText());
}

// A list without a selected entry gives a choice that matches no pixel.
SpriteChoices MainWindow::readChoices() const {
    const auto choice = [](const QComboBox* list) {
        const int index = list->currentIndex();
        return choiceFromKey(index < 0 ? QString() : list->itemData(index).toString());
    };
    return {choice(m_controls.cboCol1), choice(m_controls.cboCol2), choice(m_controls.cboCol3)};
}

void MainWindow::cmdGenerate_Click() {
    const SpriteNotation notation =
        m_controls.opbOutput[1]->isChecked() ? SpriteNotation::Binary : SpriteNotation::Hex;
    const GeneratedSprite sprite =
        GenerateSpriteData(m_picture, m_capture, readChoices(), notation, m_state.EraseOnCapture);
    if (m_state.EraseOnCapture) {
        const int m = m_state.Magnification;
        m_controls.picStd->changeImage(
            [&](QImage& view) { paintErasedPixels(view, sprite.erasedPixels, m); }, m_state.box(m));
        DrawCapturePic();
    }
    ResultWindow::showResult(m_frmResult, this, sprite.text);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (felgrove::droppedLocalFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = felgrove::droppedLocalFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The file manager waits for the drop to end: the load, with its
    // messages, runs once it has.
    QMetaObject::invokeMethod(
        this, [this, path] { loadPicture(path); }, Qt::QueuedConnection);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        ArrangeControls();
        m_controls.picCapture->setGeometry(previewPlace());
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    // While the menu bar has the focus (after Alt) its arrows move between
    // the menus.
    if ((press || release) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this &&
        !qobject_cast<QMenuBar*>(focusWidget())) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (openListKey(watched, *key))
            return true;
        if (arrowKey(key->key(), release && !key->isAutoRepeat()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Alt+Down and Alt+Up open a focused colour list, as in any list. Its open
// list is a window of its own, where the arrows choose colours as usual.
bool MainWindow::openListKey(QObject* watched, const QKeyEvent& key) {
    const bool upOrDown = key.key() == Qt::Key_Down || key.key() == Qt::Key_Up;
    if (!upOrDown || !(key.modifiers() & Qt::AltModifier))
        return false;
    for (QComboBox* list : {m_controls.cboCol1, m_controls.cboCol2, m_controls.cboCol3}) {
        if (watched == list) {
            if (key.type() == QEvent::KeyPress && list->isEnabled())
                list->showPopup();
            return true;
        }
    }
    return false;
}

// The arrow keys belong to the capture box: their presses are kept from the
// controls (a colour list would change its choice, a button move the focus)
// and each release moves the box.
bool MainWindow::arrowKey(int key, bool released) {
    Arrow arrow;
    switch (key) {
    case Qt::Key_Left:
        arrow = Arrow::Left;
        break;
    case Qt::Key_Right:
        arrow = Arrow::Right;
        break;
    case Qt::Key_Up:
        arrow = Arrow::Up;
        break;
    case Qt::Key_Down:
        arrow = Arrow::Down;
        break;
    default:
        return false;
    }
    if (released) {
        moveCapture(m_state, arrow);
        DrawCapturePic();
        // The focus stays where it is; screen readers speak where the box went.
        felgrove::announce(this,
                           positionText(m_state.CaptureX, m_state.CaptureY, m_state.Magnification));
    }
    return true;
}

} // namespace pixmoth
