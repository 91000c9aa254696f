#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: product name, version and two memory figures taken when it opens. A new
// box is made each time it is asked for and is gone when it closes.
class TAnimateXAbout : public QDialog {
    Q_OBJECT
public:
    // The version text, and the physical memory in bytes and the memory load in percent.
    TAnimateXAbout(const QString &version, quint64 physicalMemory, int memoryLoad,
                   QWidget *parent = nullptr);

    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *PhysMem = nullptr;
    QLabel *MemLoad = nullptr;
    QPushButton *OKButton = nullptr;
};
