#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The status bar with its five panels (80, 80, 80, 100 and 100 pixels wide, each wider when its
// text needs it), and after them, while long work runs, a bar that shows how far it has come.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanels = 5;
    static constexpr int kWidths[kPanels] = {80, 80, 80, 100, 100};
    explicit StatusBar(QWidget *parent = nullptr);

    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    QLabel *panel(int index) const;

    // The progress bar, made on first use: `what` and done of total in per cent.
    void showProgress(const QString &what, int done, int total);
    void hideProgress();
    bool progressShown() const;

private:
    QLabel *m_panels[kPanels];
    QProgressBar *m_progress = nullptr;
};
