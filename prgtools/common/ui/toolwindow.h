#pragma once

#include "prgtools/common/core/conversion.h"
#include "prgtools/common/core/settingsstore.h"
#include "prgtools/common/ui/windowrole.h"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace felgrove {
class Prompts;
}

namespace prg {

class TwipsLayout;

// Where a window's shared controls stand, in twips, so far as the two
// windows differ: the client area the window was drawn at, the width of the
// input box, the left edge of the output caption and the top of cmdExit.
struct SharedPlaces {
    int clientWidth;
    int clientHeight;
    int inputWidth;
    int outputCaptionLeft;
    int exitTop;
};

// What the two PRG tools' windows (each one's Form1) share: the input and
// output paths with the browse button, the PRG information, the convert,
// help and exit buttons, the status bar, the settings and the busy flag. A
// Form1 builds its own boxes between the PRG information and the buttons,
// places every control and reads and writes its own settings.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // The boxes of the txtStd array that hold one line.
    QLineEdit* txtStd(int index) const { return m_txtStd.at(index); }
    // The text of the status bar's first panel.
    QString statusText() const;

protected:
    // `program` titles the window and the help box; the settings are stored
    // under `settingsName`.
    ToolWindow(felgrove::Prompts& prompts, const QString& program, const QString& settingsName,
               QString helpText, const SharedPlaces& places, QWidget* parent);

    // Called by Form1's constructor: builds, watches, places and connects the
    // controls, runs Form_Load and puts the focus in the input box.
    void setUp();
    virtual void buildControls() = 0;
    // Form1's own controls, between the PRG information and the buttons.
    virtual void placeOwnControls(TwipsLayout& layout) = 0;
    virtual void connectEvents() = 0;
    // Reads the settings into the window.
    virtual void Form_Load() = 0;

    // The window is not closed under a running conversion; otherwise
    // Form_Unload stores the settings.
    void closeEvent(QCloseEvent* event) override;
    virtual void Form_Unload() = 0;

    // The controls of the top: lblStd(0) and the input box txtStd(0), the
    // bold "..." browse button, lblStd(1) and the output box txtStd(1), and
    // lblStd(7) with the read-only PRG-info box, txtStd(infoIndex), whose
    // background takes the colour `face`.
    void buildPathControls(int infoIndex, QPalette::ColorRole face);
    // cmdConvert with `convertCaption`, cmdHelp and cmdExit, and the status
    // bar; cmdHelp shows the help text and cmdExit closes the window.
    void buildButtons(const QString& convertCaption);

    // lblStd(index), a caption read out by its text.
    QLabel* makeLabel(int index, const QString& caption);
    // lblStd(index) as a "$" prefix: a size larger than the window's font and
    // right against the box it belongs to.
    QLabel* makePrefix(int index, const QString& caption);
    // txtStd(index); a `maxLength` of 0 leaves the length open. Screen
    // readers hear the box by `accessible`.
    template <typename Box = LockableBox>
    QLineEdit* makeBox(int index, const QString& accessible, int maxLength) {
        m_txtStd.at(index) =
            named(new Box(this), QStringLiteral("txtStd%1").arg(index), accessible);
        if (maxLength > 0)
            m_txtStd.at(index)->setMaxLength(maxLength);
        return m_txtStd.at(index);
    }
    // The order of the tab key, `order` first to last.
    void chainTabOrder(std::initializer_list<QWidget*> order);

    // The object name and the accessible name, the caption without its "&".
    template <typename W> static W* named(W* widget, const QString& name, QString caption) {
        widget->setObjectName(name);
        widget->setAccessibleName(caption.remove(QLatin1Char('&')));
        return widget;
    }

    void cmdBrowse_Click();
    // A chosen file is in txtStd(0); the output box is about to be selected.
    virtual void pathChosen(const QString& path) { Q_UNUSED(path); }
    void cmdHelp_Click();
    void setStatus(const QString& text);

    // cmdConvert_Click when an input check failed: the warning, then the
    // focus to txtStd(box).
    void refuse(const QString& message, int box);
    // cmdConvert_Click after its checks: the window busy while `run` works,
    // the status texts, the start restriction (`restrictedNotice` and the
    // load address, then the load address in txtStd(4)) and the report.
    void convert(const QString& restrictedNotice,
                 const std::function<Outcome<qint64>(const ConversionEvents&)>& run);

    felgrove::Prompts& m_prompts;
    SettingsStore m_settings;
    bool m_busy = false;

    std::array<QLineEdit*, 6> m_txtStd{}; // the PRG-info box's place stays empty
    QPlainTextEdit* m_prgInfo = nullptr;
    std::array<QLabel*, 8> m_lblStd{};
    QPushButton* m_cmdBrowse = nullptr;
    QPushButton* m_cmdConvert = nullptr;
    QPushButton* m_cmdHelp = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QStatusBar* m_staStd = nullptr;
    QLabel* m_statusPanel = nullptr;

private:
    // Places the shared controls and Form1's own, fixes the window's size
    // and runs the status bar along the whole bottom edge.
    void placeControls();
    // Every box selects its text on focus; the path boxes take dropped files.
    void watchBoxes();
    // Screen readers speak the PRG information when it changes.
    void announcePrgInfo();

    QString m_program;
    QString m_helpText;
    SharedPlaces m_places;
};

} // namespace prg
