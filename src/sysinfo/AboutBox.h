#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: product name, version and two memory figures taken when it opens. A new
// box is made each time it is asked for and is gone when it closes.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    // The version text, and the physical memory in bytes and the memory load in percent.
    AboutBox(const QString &version, quint64 physicalMemory, int memoryLoad,
             QWidget *parent = nullptr);

    // The controls, each named as its objectName.
    struct Ui {
        QLabel *productName = nullptr;
        QLabel *version = nullptr;
        QLabel *physicalMemory = nullptr;
        QLabel *memoryLoad = nullptr;
        QPushButton *okButton = nullptr;
    };
    const Ui &ui() const { return m_ui; }

private:
    Ui m_ui;
};
