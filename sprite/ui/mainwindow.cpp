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
    : QMainWindow(parent), prompts_(prompts), c_(buildMainControls(*this)) {
    setWindowTitle(mainCaption());
    // The window is as large as its controls need, no larger.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    c_.picStd->clear(paletteQRgb(0));
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
    connect(c_.mnuLoad, &QAction::triggered, this, &MainWindow::mnuLoad_Click);
    connect(c_.mnu1x1, &QAction::triggered, this, [this] { setMagnification(1); });
    connect(c_.mnu2x2, &QAction::triggered, this, [this] { setMagnification(2); });
    connect(c_.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(c_.mnuAlignToGrid, &QAction::triggered, this, &MainWindow::mnuAlignToGrid_Click);
    connect(c_.mnuEraseOnCapture, &QAction::triggered, this, &MainWindow::mnuEraseOnCapture_Click);
    connect(c_.mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(c_.cmdGenerate, &QPushButton::clicked, this, &MainWindow::cmdGenerate_Click);
    connect(c_.Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
}

void MainWindow::ArrangeControls() {
    // Captions wider than their places in this font push the lists right
    // and widen the column.
    int extra = 0;
    for (const QLabel* label : {c_.Label1, c_.Label3, c_.Label5})
        extra = std::max(extra, label->sizeHint().width() - FramePlaces::Label5.width());
    // Option buttons wider than their places move apart and widen the
    // column too, so that "Binary" is never cut.
    const QRect hex = FramePlaces::opbOutput0;
    const int hexWidth = std::max(hex.width(), c_.opbOutput[0]->sizeHint().width());
    const QRect binary(hex.left() + hexWidth, FramePlaces::opbOutput1.top(),
                       std::max(FramePlaces::opbOutput1.width(), c_.opbOutput[1]->sizeHint().width()),
                       FramePlaces::opbOutput1.height());
    c_.opbOutput[0]->setGeometry(QRect(hex.topLeft(), QSize(hexWidth, hex.height())));
    c_.opbOutput[1]->setGeometry(binary);
    extra = std::max(extra, binary.right() + 1 - FramePlaces::opbOutput1.right() - 1);
    const QRect lists[] = {FramePlaces::cboCol1, FramePlaces::cboCol2, FramePlaces::cboCol3};
    QComboBox* const boxes[] = {c_.cboCol1, c_.cboCol2, c_.cboCol3};
    QLabel* const labels[] = {c_.Label1, c_.Label3, c_.Label5};
    const QRect labelPlaces[] = {FramePlaces::Label1, FramePlaces::Label3, FramePlaces::Label5};
    for (int i = 0; i < 3; ++i) {
        labels[i]->setGeometry(labelPlaces[i].adjusted(0, 0, extra, 0));
        boxes[i]->setGeometry(lists[i].translated(extra, 0));
    }
    const int m = state_.Magnification;
    const WindowLayout l = pixmoth::controlPlaces(m, devicePixelRatioF(), extra);
    c_.picStd->setGeometry(l.picStd);
    c_.picStd->setPictureFormat(QSize(320 * m, 200 * m), m);
    c_.Frame1->setGeometry(l.Frame1);
    c_.Frame3->setGeometry(l.Frame3);
    c_.Frame2->setGeometry(l.Frame2);
    c_.cmdGenerate->setGeometry(l.cmdGenerate);
    c_.ProgressBar1->setGeometry(l.ProgressBar1);
    c_.client->setFixedSize(l.client);
    // The fixed-size layout fits the window to the new client size.
    layout()->activate();
}

QRect MainWindow::previewPlace() const {
    return pixmoth::controlPlaces(state_.Magnification, devicePixelRatioF(),
                                  c_.Frame1->width() - FramePlaces::kColumnWidth)
        .picCapture;
}

void MainWindow::PlaceCapturePreview() {
    c_.picCapture->setGeometry(previewPlace());
    // Each hi-res pixel of the preview is 3 x 3 pixels (a multicolour
    // pixel 6 x 3).
    c_.picCapture->setPictureFormat(QSize(kPreviewWidth, kPreviewHeight), 3);
    c_.picCapture->clear(paletteQRgb(0));
}

void MainWindow::UpdateStatusText() {
    c_.StatusBar1->setText(statusLine(state_));
}

void MainWindow::mnuLoad_Click() {
    const QString path = prompts_.openFileName(
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
    c_.picStd->repaint();
    letPaintsRun();
    LoadBitmapFile(path);
    // After a refused file these redraw the unchanged picture.
    DrawBitmap();
    DrawCapturePic();
}

void MainWindow::LoadBitmapFile(const QString& path) {
    const LoadResult result = pixmoth::readPictureFile(path, picture_);
    switch (result.status) {
    case LoadStatus::WrongSize:
        prompts_.message(this, felgrove::PromptIcon::Information, programName(), wrongSizeText());
        return;
    case LoadStatus::Unreadable:
        prompts_.message(this, felgrove::PromptIcon::Warning, programName(),
                         unreadableText(path, result.reason));
        return;
    case LoadStatus::Loaded:
        break;
    }
    for (QComboBox* list : {c_.cboCol1, c_.cboCol2, c_.cboCol3}) {
        list->setEnabled(true);
        // The theme's background for entries, white in a light theme.
        setListBackground(list, QApplication::palette(list).color(QPalette::Base));
    }
    state_.PictureLoaded = true;
}

void MainWindow::DrawBitmap() {
    BusyPointer busy;
    c_.Timer1->stop();
    // Clearing the picture takes the frame with it, as the timer is off.
    c_.picStd->clearOverlay();
    c_.picStd->clear(paletteQRgb(0));
    c_.picCapture->clear(paletteQRgb(0));
    c_.ProgressBar1->setRange(1, kPictureBitmapBytes);
    c_.ProgressBar1->setValue(1);
    c_.ProgressBar1->show();
    letPaintsRun();
    // The whole picture is drawn into an image at once and shown in one go.
    c_.picStd->setImage(renderPicture(picture_, state_.Magnification));
    c_.ProgressBar1->setValue(kPictureBitmapBytes);
    c_.ProgressBar1->hide();
    c_.Timer1->start();
}

void MainWindow::DrawCapturePic() {
    capture_ = captureArea(picture_, state_.origin());
    c_.picCapture->setImage(capture_.preview);
    fillColourLists();
}

// The three lists always hold the same entries, "[none]" first and chosen:
// a capture never keeps the colours chosen for the previous area.
void MainWindow::fillColourLists() {
    for (QComboBox* list : {c_.cboCol1, c_.cboCol2, c_.cboCol3}) {
        list->clear();
        for (const ColourListEntry& entry : capture_.listEntries)
            list->addItem(c_.ImageList1[std::size_t(entry.image() - 1)], entry.text, entry.key);
        list->setCurrentIndex(0);
    }
}

void MainWindow::DrawCaptureFrame() {
    if (state_.Rescaling)
        return;
    const ViewState at = state_;
    const int colour = kFlashColours[std::size_t(state_.FlashStep)];
    // The frame lives on the screen only; the next one replaces it. It sits
    // on the pixels the box captures, at the screen's pixel size.
    c_.picStd->setOverlay([at, colour](QPainter& painter, int pixelSize) {
        paintCaptureFrame(painter, at.box(pixelSize), pixelSize, colour);
    });
    state_.FlashStep = nextFlashStep(state_.FlashStep);
    state_.PositionStatusText = positionText(at.CaptureX, at.CaptureY, at.Magnification);
    UpdateStatusText();
}

void MainWindow::Timer1_Timer() {
    DrawCaptureFrame();
}

void MainWindow::setMagnification(int magnification) {
    if (state_.Magnification == magnification)
        return;
    const int from = state_.Magnification;
    state_.Magnification = magnification;
    state_.Rescaling = true;
    // Whatever happens below, the timer's frame drawing resumes afterwards.
    struct EndRescaling {
        bool& flag;
        ~EndRescaling() { flag = false; }
    } end{state_.Rescaling};
    ArrangeControls();
    if (state_.PictureLoaded) {
        DrawBitmap();
        rescaleCapture(state_, from);
        DrawCapturePic();
    } else {
        // Without a picture the box keeps its numbers, but it must still
        // fit the picture at the new magnification.
        clampCapture(state_);
    }
}

void MainWindow::mnuAlignToGrid_Click() {
    state_.AlignToGrid = c_.mnuAlignToGrid->isChecked();
    UpdateStatusText();
}

void MainWindow::mnuEraseOnCapture_Click() {
    state_.EraseOnCapture = c_.mnuEraseOnCapture->isChecked();
    UpdateStatusText();
}

void MainWindow::mnuAbout_Click() {
    prompts_.message(this, felgrove::PromptIcon::None, programName(), aboutText());
}

// A list without a selected entry gives a choice that matches no pixel.
SpriteChoices MainWindow::readChoices() const {
    const auto choice = [](const QComboBox* list) {
        const int index = list->currentIndex();
        return choiceFromKey(index < 0 ? QString() : list->itemData(index).toString());
    };
    return {choice(c_.cboCol1), choice(c_.cboCol2), choice(c_.cboCol3)};
}

void MainWindow::cmdGenerate_Click() {
    const SpriteNotation notation =
        c_.opbOutput[1]->isChecked() ? SpriteNotation::Binary : SpriteNotation::Hex;
    const GeneratedSprite sprite =
        GenerateSpriteData(picture_, capture_, readChoices(), notation, state_.EraseOnCapture);
    if (state_.EraseOnCapture) {
        const int m = state_.Magnification;
        c_.picStd->changeImage(
            [&](QImage& view) { paintErasedPixels(view, sprite.erasedPixels, m); }, state_.box(m));
        DrawCapturePic();
    }
    ResultWindow::showResult(frmResult_, this, sprite.text);
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
        c_.picCapture->setGeometry(previewPlace());
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
    for (QComboBox* list : {c_.cboCol1, c_.cboCol2, c_.cboCol3}) {
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
        moveCapture(state_, arrow);
        DrawCapturePic();
        // The focus stays where it is; screen readers speak where the box went.
        felgrove::announce(this,
                           positionText(state_.CaptureX, state_.CaptureY, state_.Magnification));
    }
    return true;
}

} // namespace pixmoth
