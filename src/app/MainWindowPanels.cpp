// The main window's controls that set play parameters, their couplings, the Window menu,
// the layout rule and the status texts.
#include "app/MainWindow.h"

#include "app/ProgramWindows.h"
#include "dialogs/FontChooser.h"
#include "editor/MainLayout.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "media/MediaPlayer.h"
#include "platform/Platform.h"
#include "platform/RadioGroup.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"
#include "platform/TrackBar.h"
#include "play/PlayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

int MainWindow::editorFontSize() const {
    return m_ui.editor->fontPointSize();
}

void MainWindow::setEditorFontSize(int points) {
    m_ui.editor->setFontPointSize(points);
}

void MainWindow::setTrackBarPosition(QSlider *bar, int position) {
    platform::setTrackBarPosition(bar, position);
}

void MainWindow::fontSizeBarMoved() {
    setEditorFontSize(m_ui.fontSizeBar->value());
    if (fontChooser)
        fontChooser->showSize(m_ui.fontSizeBar->value());
    if (playWindow)
        playWindow->setCanvasFontSize(2 * editorFontSize());
    m_ui.fontFaceLabel->setText(m_ui.editor->font().family());
    m_ui.fontSizeLabel->setText(QString::number(editorFontSize()));
}

void MainWindow::delayBarMoved() {
    m_settings.setDelayFromBar(m_ui.delayBar->value());
    m_ui.delayLabel->setText(QString::number(m_settings.delay));
}

void MainWindow::slowerToggled() {
    m_settings.delayFactor = Settings::delayFactorFor(m_ui.slowerBox->isChecked());
    delayBarMoved();
}

void MainWindow::pixelProcessingChosen() {
    if (m_ui.pixelProcessingGroup->itemIndex() >= 0)
        m_settings.pixelFormat = m_ui.pixelProcessingGroup->itemIndex();
}

void MainWindow::screenResChosen() {
    const QSize screen = platform::Screen::size();
    if (const auto r =
            mainlayout::screenResRect(m_ui.screenResGroup->itemIndex(), screen.width(),
                                      screen.height(), m_ui.centerMarkerBox->isChecked())) {
        m_settings.outputLeft = r->left;
        m_settings.outputTop = r->top;
        m_settings.outputRight = r->right;
        m_settings.outputBottom = r->bottom;
    }
    layOutPanels();
    showSummary();
}

// "Loop Mode" and "&Loop Mode - Repeat" mirror each other; loop and "Stop @ End" exclude
// each other.
void MainWindow::loopBoxToggled() {
    m_ui.loopAction->setChecked(m_ui.loopBox->isChecked());
    if (m_ui.loopBox->isChecked())
        m_ui.stopAtEndBox->setChecked(false);
}

void MainWindow::toggleLoop() {
    m_ui.loopAction->setChecked(!m_ui.loopAction->isChecked());
    m_ui.loopBox->setChecked(m_ui.loopAction->isChecked());
}

void MainWindow::stopAtEndToggled() {
    if (m_ui.stopAtEndBox->isChecked())
        m_ui.loopBox->setChecked(false);
}

void MainWindow::noPauseBoxToggled() {
    m_ui.noPauseAction->setChecked(m_ui.noPauseBox->isChecked());
}

void MainWindow::toggleNoPause() {
    m_ui.noPauseAction->setChecked(!m_ui.noPauseAction->isChecked());
    m_ui.noPauseBox->setChecked(m_ui.noPauseAction->isChecked());
}

void MainWindow::toggleVideoMode() {
    m_ui.videoModeAction->setChecked(!m_ui.videoModeAction->isChecked());
    m_ui.videoModeButton->setChecked(m_ui.videoModeAction->isChecked());
}

void MainWindow::mirrorButtonClicked() {
    m_ui.pixelProcessingGroup->setEnabled(
        !(m_ui.mirrorButton->isChecked() && platform::Screen::depth() == 24));
    toggleMirror();
}

void MainWindow::toggleMirror() {
    m_ui.mirrorAction->setChecked(!m_ui.mirrorAction->isChecked());
    m_ui.mirrorButton->setChecked(m_ui.mirrorAction->isChecked());
}

void MainWindow::applyPanelToggle(QAction *item, QWidget *control) {
    control->setVisible(item->isChecked());
    if (item == m_ui.toolBarAction)
        layOutPanels();
}

void MainWindow::showAllPanels() {
    m_ui.editor->show();
    if (m_ui.autoStartAction->isChecked())
        m_ui.autoTimerPanel->show();
    m_ui.readingTimePanel->show();
    for (QWidget *w :
         {static_cast<QWidget *>(m_ui.delayPanel), static_cast<QWidget *>(m_ui.playOptionsGroup),
          static_cast<QWidget *>(m_ui.pixelProcessingGroup),
          static_cast<QWidget *>(m_ui.screenResGroup), static_cast<QWidget *>(m_ui.toolBar)})
        w->show();
    for (QAction *a : {m_ui.readingTimeAction, m_ui.autoTimerAction, m_ui.delayPanelAction,
                       m_ui.pixelProcessingAction, m_ui.screenResAction, m_ui.toolBarAction,
                       m_ui.editorAction, m_ui.playOptionsAction})
        a->setChecked(true);
    layOutPanels();
}

void MainWindow::hideAllPanels() {
    for (QWidget *w :
         {static_cast<QWidget *>(m_ui.editor), static_cast<QWidget *>(m_ui.autoTimerPanel),
          static_cast<QWidget *>(m_ui.delayPanel),
          static_cast<QWidget *>(m_ui.pixelProcessingGroup),
          static_cast<QWidget *>(m_ui.screenResGroup),
          static_cast<QWidget *>(m_ui.playOptionsGroup),
          static_cast<QWidget *>(m_ui.readingTimePanel), static_cast<QWidget *>(m_ui.toolBar)})
        w->hide();
    for (QAction *a : {m_ui.readingTimeAction, m_ui.autoTimerAction, m_ui.delayPanelAction,
                       m_ui.pixelProcessingAction, m_ui.screenResAction, m_ui.toolBarAction,
                       m_ui.editorAction, m_ui.playOptionsAction})
        a->setChecked(false);
    layOutPanels();
}

void MainWindow::layOutPanels() {
    if (m_inResize)
        return;
    m_inResize = true;
    QWidget *client = centralWidget();
    m_ui.toolBar->setGeometry(0, 0, client->width(), m_ui.toolBar->sizeHint().height());

    mainlayout::LayoutInput in;
    in.output = {m_settings.outputLeft, m_settings.outputTop, m_settings.outputRight,
                 m_settings.outputBottom};
    // A control counts as shown unless it was hidden, whether or not the window is on screen.
    in.editorVisible = !m_ui.editor->isHidden();
    in.toolBarVisible = !m_ui.toolBar->isHidden();
    in.toolBarBottom = m_ui.toolBar->geometry().bottom() + 1;
    in.autoTimerPanelWidth = m_ui.autoTimerPanel->width();
    in.statusBarHeight = m_ui.statusBar->isHidden() ? 0 : m_ui.statusBar->height();
    in.clientHeight = client->height() + in.statusBarHeight;
    const mainlayout::LayoutResult r = mainlayout::computeLayout(in);

    for (QWidget *w :
         {static_cast<QWidget *>(m_ui.autoTimerPanel), static_cast<QWidget *>(m_ui.delayPanel),
          static_cast<QWidget *>(m_ui.readingTimePanel), static_cast<QWidget *>(m_ui.soundPlayer),
          static_cast<QWidget *>(m_ui.videoPlayer)})
        w->move(r.middleX, w->y());
    // "Start w/Video" stands 2 pixels right of the player shown (the video's when both
    // are), and "Close" 2 pixels right of it.
    if (QWidget *player = !m_ui.videoPlayer->isHidden()   ? static_cast<QWidget *>(m_ui.videoPlayer)
                          : !m_ui.soundPlayer->isHidden() ? static_cast<QWidget *>(m_ui.soundPlayer)
                                                          : nullptr) {
        m_ui.startWithVideoButton->move(player->geometry().right() + 1 + 2,
                                        m_ui.startWithVideoButton->y());
        m_ui.closePlayersButton->move(m_ui.startWithVideoButton->geometry().right() + 1 + 2,
                                      m_ui.closePlayersButton->y());
    }
    for (QWidget *w : {static_cast<QWidget *>(m_ui.playOptionsGroup),
                       static_cast<QWidget *>(m_ui.pixelProcessingGroup),
                       static_cast<QWidget *>(m_ui.screenResGroup)})
        w->move(r.rightX, w->y());
    m_ui.editor->setGeometry(r.editorLeft, r.editorTop, qMax(0, r.editorWidth),
                             qMax(0, r.editorHeight));
    platform::pumpMessages();
    m_inResize = false;
}

void MainWindow::fitToScreen() {
    mainlayout::FitInput in;
    in.layout.output = {m_settings.outputLeft, m_settings.outputTop, m_settings.outputRight,
                        m_settings.outputBottom};
    in.layout.editorVisible = !m_ui.editor->isHidden();
    in.layout.toolBarVisible = !m_ui.toolBar->isHidden();
    in.layout.toolBarBottom = m_ui.toolBar->sizeHint().height(); // the tool bar stands at the top
    in.layout.autoTimerPanelWidth = m_ui.autoTimerPanel->width();
    for (QWidget *w :
         {static_cast<QWidget *>(m_ui.autoTimerPanel), static_cast<QWidget *>(m_ui.delayPanel),
          static_cast<QWidget *>(m_ui.readingTimePanel), static_cast<QWidget *>(m_ui.soundPlayer),
          static_cast<QWidget *>(m_ui.videoPlayer), static_cast<QWidget *>(m_ui.playOptionsGroup),
          static_cast<QWidget *>(m_ui.pixelProcessingGroup),
          static_cast<QWidget *>(m_ui.screenResGroup)}) {
        if (!w->isHidden())
            in.panels.push_back({w == m_ui.playOptionsGroup || w == m_ui.pixelProcessingGroup ||
                                     w == m_ui.screenResGroup,
                                 w->y(), w->size()});
    }
    in.toolBarWidth = in.layout.toolBarVisible ? m_ui.toolBar->sizeHint().width() : 0;
    in.menuBarWidth = menuBar()->sizeHint().width();
    const QSize client = mainlayout::fittingClientSize(in);
    const int bars = menuBar()->sizeHint().height() +
                     (m_ui.statusBar->isHidden() ? 0 : m_ui.statusBar->sizeHint().height());
    const mainlayout::WindowPlacement placed = mainlayout::placeWindow(
        QSize(client.width(), client.height() + bars), platform::Screen::availableGeometry());
    if (!placed.maximised)
        setWindowState(windowState() & ~Qt::WindowMaximized);
    move(placed.geometry.topLeft());
    resize(placed.geometry.size());
    if (placed.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    layOutPanels();
}

void MainWindow::showSummary() {
    mainlayout::StatsInput in;
    in.output = {m_settings.outputLeft, m_settings.outputTop, m_settings.outputRight,
                 m_settings.outputBottom};
    in.fadeTitlesChecked = m_ui.fadeTitlesAction->isChecked();
    in.fadeTitles = m_settings.fadeTitles;
    in.fadeAntialias = m_settings.fadeAntialias;
    in.fadeTwoLines = m_settings.fadeTwoLines;
    in.fadeTvTitle = m_settings.fadeTvTitle;
    const mainlayout::StatsTexts t = mainlayout::computeStats(in);
    m_ui.statusBar->setPanelText(3, t.statusText);
    m_ui.windowSizeText->setText(t.windowSizeText);
    m_ui.fadingText->setText(t.fadingText);
    m_ui.antialiasText->setText(t.antialiasText);
    m_ui.twoLinesText->setText(t.twoLinesText);
    m_ui.tvTitleText->setText(t.tvTitleText);
    m_ui.leftTopText->setText(t.leftTopText);
    m_ui.rightBottomText->setText(t.rightBottomText);
}

void MainWindow::editorTextChanged() {
    m_ui.editor->setModified(true);
    m_scriptFiles->showCaretLine();
    m_ui.loopBox->setChecked(false);
}
