#pragma once

#include <QIcon>

#include <array>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace pixmoth {

class PictureView;

// The controls and menu items of the main window. Each carries its control
// name as objectName (picStd, cboCol1, mnuLoad...), so tests find them.
// Screen readers read labels, the "Output" caption and the status text as
// they stand; the other controls carry their caption as accessible name.
struct MainControls {
    QWidget* client = nullptr; // the area between menu bar and status bar
    PictureView* picStd = nullptr;
    QFrame* Frame1 = nullptr;
    PictureView* picCapture = nullptr;
    QFrame* Frame3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* cboCol1 = nullptr;
    QComboBox* cboCol2 = nullptr;
    QComboBox* cboCol3 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> opbOutput{};
    QPushButton* cmdGenerate = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* StatusBar1 = nullptr; // panel 1 of the status bar
    QTimer* Timer1 = nullptr;

    QAction* mnuLoad = nullptr;
    QAction* mnu1x1 = nullptr;
    QAction* mnu2x2 = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuAlignToGrid = nullptr;
    QAction* mnuEraseOnCapture = nullptr;
    QAction* mnuAbout = nullptr;

    std::array<QIcon, 17> ImageList1; // image i + 1 is palette colour i; 17 "[none]"
};

// Creates every control and menu of `window` in its place for magnification 1.
MainControls buildMainControls(QMainWindow& window);

// The colour lists' background: grey while disabled, white once a picture
// is loaded.
void setListBackground(QComboBox* list, const QColor& colour);

} // namespace pixmoth
