#pragma once

#include "sprite/core/capture.h"
#include "sprite/core/picture.h"
#include "sprite/core/spritedata.h"
#include "sprite/core/viewstate.h"
#include "sprite/ui/maincontrols.h"
#include "sprite/ui/resultwindow.h"

#include <QMainWindow>
#include <QPointer>

class QKeyEvent;

namespace felgrove {
class Prompts;
}

namespace pixmoth {

// frmMain, Pixmoth's main window: the picture, the capture preview and
// colour lists, the output options, the menus and the status bar. It owns
// the loaded picture and the view state for the program's whole life.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(felgrove::Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Sizes the picture for the magnification, moves the frames column along
    // its right edge and fits the window around the controls.
    void ArrangeControls();
    // Shows the options (and the position, once known) in the status bar.
    void UpdateStatusText();
    // Loads the picture file at `path`, or reports why it cannot.
    void LoadBitmapFile(const QString& path);
    // What File > Load does once a file is named: load, draw and capture.
    void loadPicture(const QString& path);
    // Draws the whole picture into picStd.
    void DrawBitmap();
    // Captures the area under the capture box: its preview and colour lists.
    void DrawCapturePic();
    // The timer's work: the flashing capture frame and the position text.
    void DrawCaptureFrame();
    // Puts the sprite preview in the middle of Frame1.
    void PlaceCapturePreview();

    const Picture& picture() const { return m_picture; }
    const ViewState& state() const { return m_state; }
    const MainControls& controls() const { return m_controls; }
    // The area under the box as last captured: CapturedColours and what the
    // preview and the colour lists show.
    const Capture& capture() const { return m_capture; }
    // The "Sprite output" window while it is open, else null.
    ResultWindow* resultWindow() const { return m_frmResult.data(); }

protected:
    // On a screen of another scale the picture boxes fit their pictures again.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A picture file dropped from a file manager loads as by File > Load.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void mnuLoad_Click();
    void setMagnification(int magnification);
    void mnuAlignToGrid_Click();
    void mnuEraseOnCapture_Click();
    void mnuAbout_Click();
    void cmdGenerate_Click();
    void Timer1_Timer();
    void fillColourLists();
    SpriteChoices readChoices() const;
    void connectHandlers();
    bool openListKey(QObject* watched, const QKeyEvent& key);
    bool arrowKey(int key, bool released);
    QRect previewPlace() const;

    felgrove::Prompts& m_prompts;
    MainControls m_controls;
    Picture m_picture;
    ViewState m_state;
    Capture m_capture;
    QPointer<ResultWindow> m_frmResult;
};

} // namespace pixmoth
