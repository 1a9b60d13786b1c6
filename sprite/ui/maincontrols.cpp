#include "sprite/ui/maincontrols.h"

#include "desktop/announce.h"
#include "sprite/ui/imagelist.h"
#include "sprite/ui/pictureview.h"
#include "sprite/ui/windowlayout.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

namespace pixmoth {

namespace {

template <typename W> W* named(W* widget, const char* name, const QString& caption) {
    widget->setObjectName(QLatin1String(name));
    // Screen readers read the caption without its access-key marker.
    widget->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return widget;
}

// Labels, frame captions and the status text are read out as they stand on
// the screen: they carry no accessible name, at most a hint of their role.
template <typename W> W* shown(W* widget, const char* name, const QString& role = {}) {
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleDescription(role);
    return widget;
}

// Frame2: a frame drawn like the other two, its caption set into the top
// border left of the option buttons, so that caption and buttons share the
// frame's low height.
class CaptionFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int textHeight = fontMetrics().height();
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(0, textHeight / 2, 0, 0);
        frame.frameShape = QFrame::StyledPanel;
        frame.state |= QStyle::State_Sunken;
        frame.lineWidth = 1;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
        const QRect caption(4, 0, fontMetrics().horizontalAdvance(title()) + 4, textHeight);
        painter.fillRect(caption, palette().window());
        style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                              QPalette::WindowText);
    }
};

// An option button that is a tab stop of its own: Tab reaches each one and
// Space selects it. (Qt lets Tab reach only the selected button of an
// exclusive set.) Selecting one clears the others in its frame; pressing the
// selected one again keeps it selected.
class OptionButton : public QRadioButton {
public:
    OptionButton(const QString& caption, QWidget* frame) : QRadioButton(caption, frame) {
        setAutoExclusive(false);
        setFocusPolicy(Qt::StrongFocus);
        connect(this, &QAbstractButton::toggled, this, [this](bool selected) {
            if (!selected)
                return;
            for (auto* other :
                 parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly)) {
                if (other != this)
                    other->setChecked(false);
            }
        });
    }

protected:
    void nextCheckState() override { setChecked(true); }
};

// Qt announces a checkable button that is not auto-exclusive as a check box;
// a screen reader must hear an option button, checked or not, that a press
// selects.
class OptionButtonAccessible : public QAccessibleWidget {
public:
    explicit OptionButtonAccessible(OptionButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A colour list. Screen readers take a list's value only from its name or
// from a selected entry, which the toolkit's own form of a closed list
// offers neither of; and a caption tied to the list would be read instead of
// its name. So the list is heard by a name that holds both its register and
// its chosen colour ("$d025 Red"), kept up with each choice.
class ColourList : public QComboBox {
public:
    ColourList(const QString& caption, QWidget* frame) : QComboBox(frame) {
        setAccessibleName(caption);
        connect(this, &QComboBox::currentTextChanged, this, [this, caption](const QString& colour) {
            setAccessibleName(colour.isEmpty() ? caption : caption + QLatin1Char(' ') + colour);
        });
    }
};

QAccessibleInterface* controlAccessible(const QString&, QObject* object) {
    if (auto* button = dynamic_cast<OptionButton*>(object))
        return new OptionButtonAccessible(button);
    if (auto* list = dynamic_cast<ColourList*>(object))
        return new QAccessibleWidget(list, QAccessible::ComboBox);
    return nullptr;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption,
                  const QKeySequence& shortcut = {}) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    return item;
}

QAction* checkedItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut) {
    QAction* item = menuItem(menu, name, caption, shortcut);
    item->setCheckable(true);
    item->setChecked(true);
    return item;
}

QMenu* menu(QMenuBar* bar, QMenu* parent, const char* name, const QString& caption) {
    QMenu* m = parent ? parent->addMenu(caption) : bar->addMenu(caption);
    m->setObjectName(QLatin1String(name));
    return m;
}

void buildMenus(QMainWindow& window, MainControls& c) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = menu(bar, nullptr, "mnuFile", QStringLiteral("&File"));
    c.mnuLoad =
        menuItem(file, "mnuLoad", QStringLiteral("&Load"), QKeySequence(Qt::CTRL | Qt::Key_L));
    QMenu* magnification = menu(bar, file, "mnuMagnification", QStringLiteral("&Magnification"));
    c.mnu1x1 = menuItem(magnification, "mnu1x1", QStringLiteral("1x1"), QKeySequence(Qt::Key_F1));
    c.mnu2x2 = menuItem(magnification, "mnu2x2", QStringLiteral("2x2"), QKeySequence(Qt::Key_F2));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSeparator2"));
    c.mnuExit = menuItem(file, "mnuExit", QStringLiteral("&Exit"));

    QMenu* options = menu(bar, nullptr, "mnuOptions", QStringLiteral("&Options"));
    c.mnuAlignToGrid = checkedItem(options, "mnuAlignToGrid", QStringLiteral("Align to grid"),
                                   QKeySequence(Qt::Key_F3));
    c.mnuEraseOnCapture = checkedItem(options, "mnuEraseOnCapture",
                                      QStringLiteral("Erase on capture"), QKeySequence(Qt::Key_F4));

    QMenu* help = menu(bar, nullptr, "mnuHelp", QStringLiteral("&Help"));
    c.mnuAbout = menuItem(help, "mnuAbout", QStringLiteral("&About"));
}

QComboBox* colourList(QWidget* frame, const char* name, const QString& caption,
                      const QRect& place) {
    QComboBox* list = new ColourList(caption, frame);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(place);
    list->setIconSize(QSize(kImageSide, kImageSide));
    list->setEnabled(false);
    // Grey until a picture is loaded: the theme's button face.
    setListBackground(list, list->palette().color(QPalette::Button));
    return list;
}

// The caption stands beside its list, which carries it in its name.
QLabel* listLabel(QWidget* frame, const char* name, const QString& caption, const QRect& place) {
    auto* label = shown(new QLabel(caption, frame), name);
    label->setGeometry(place);
    return label;
}

QFrame* plainFrame(QWidget* parent, const char* name, const QString& description) {
    auto* frame = named(new QFrame(parent), name, description);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

void buildFrames(MainControls& c) {
    using P = FramePlaces;
    c.Frame1 = plainFrame(c.client, "Frame1", QStringLiteral("Sprite preview"));
    c.picCapture =
        named(new PictureView(false, c.Frame1), "picCapture", QStringLiteral("Sprite preview"));

    felgrove::installAccessibleFactory(controlAccessible);
    c.Frame3 = plainFrame(c.client, "Frame3", QStringLiteral("Sprite colours"));
    c.cboCol1 = colourList(c.Frame3, "cboCol1", QStringLiteral("$d025"), P::cboCol1);
    c.cboCol2 = colourList(c.Frame3, "cboCol2", QStringLiteral("$d026"), P::cboCol2);
    c.cboCol3 = colourList(c.Frame3, "cboCol3", QStringLiteral("$d027-2e"), P::cboCol3);
    c.Label1 = listLabel(c.Frame3, "Label1", QStringLiteral("$d025"), P::Label1);
    c.Label3 = listLabel(c.Frame3, "Label3", QStringLiteral("$d026"), P::Label3);
    c.Label5 = listLabel(c.Frame3, "Label5", QStringLiteral("$d027-2e"), P::Label5);

    c.Frame2 = shown(new CaptionFrame(QStringLiteral("Output"), c.client), "Frame2");
    c.opbOutput[0] = named(new OptionButton(QStringLiteral("Hex"), c.Frame2), "opbOutput0",
                           QStringLiteral("Hex"));
    c.opbOutput[1] = named(new OptionButton(QStringLiteral("Binary"), c.Frame2), "opbOutput1",
                           QStringLiteral("Binary"));
    // An interface made while a control was still being built took it for
    // its base class; the next one asked for is made for what it is.
    for (QWidget* built : std::initializer_list<QWidget*>{c.opbOutput[0], c.opbOutput[1], c.cboCol1,
                                                          c.cboCol2, c.cboCol3})
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(built)));
    c.opbOutput[0]->setGeometry(P::opbOutput0);
    c.opbOutput[1]->setGeometry(P::opbOutput1);
    c.opbOutput[0]->setChecked(true);

    c.cmdGenerate = named(new QPushButton(QStringLiteral("&Generate data tables"), c.client),
                          "cmdGenerate", QStringLiteral("&Generate data tables"));
}

} // namespace

void setListBackground(QComboBox* list, const QColor& colour) {
    QPalette palette = list->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    list->setPalette(palette);
}

MainControls buildMainControls(QMainWindow& window) {
    MainControls c;
    window.setObjectName(QStringLiteral("frmMain"));
    c.client = named(new QWidget(&window), "client", QString());
    window.setCentralWidget(c.client);

    c.picStd = named(new PictureView(true, c.client), "picStd", QStringLiteral("Picture"));
    buildFrames(c);

    c.ProgressBar1 =
        named(new QProgressBar(c.client), "ProgressBar1", QStringLiteral("Drawing progress"));
    c.ProgressBar1->setTextVisible(false);
    c.ProgressBar1->hide();

    c.StatusBar1 = shown(new QLabel(window.statusBar()), "StatusBar1", QStringLiteral("Status"));
    window.statusBar()->addWidget(c.StatusBar1, 1);
    window.statusBar()->setSizeGripEnabled(false);

    c.Timer1 = new QTimer(&window);
    c.Timer1->setObjectName(QStringLiteral("Timer1"));
    c.Timer1->setInterval(100);

    buildMenus(window, c);
    const QRgb text = c.cboCol1->palette().color(QPalette::Active, QPalette::Text).rgb();
    for (int i = 0; i < kImageListSize; ++i)
        c.ImageList1[std::size_t(i)] = QIcon(QPixmap::fromImage(ImageListImage(i + 1, text)));
    return c;
}

} // namespace pixmoth
