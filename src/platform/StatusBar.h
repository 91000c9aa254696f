#pragma once

#include <QStatusBar>

class QLabel;

// The status bar with its five panels, 80, 80, 80, 100 and 100 pixels wide, each wider when its
// text needs it.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanels = 5;
    static constexpr int kWidths[kPanels] = {80, 80, 80, 100, 100};
    explicit StatusBar(QWidget *parent = nullptr);

    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    QLabel *panel(int index) const;

private:
    QLabel *m_panels[kPanels];
};
