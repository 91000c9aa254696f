#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>

#include <functional>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The remote control's settings as the dialog shows them.
struct RemoteControlValues {
    bool enabled = false;
    int port = 8035;
    int oscPort = 8036;
    bool otherMachines = false;
    QString code;
};

// "Remote Control...": whether remote control is allowed, its ports, whether other machines
// may connect, the access code with "New Code", and the address to open on a phone, written
// out and as a QR code.
class RemoteControlDialog : public QDialog {
    Q_OBJECT
public:
    // qrCode draws a text as a QR code; machineAddresses are this machine's addresses as other
    // machines reach it.
    RemoteControlDialog(const RemoteControlValues &values,
                        std::function<QImage(const QString &)> qrCode, QStringList machineAddresses,
                        QWidget *parent = nullptr);

    RemoteControlValues values() const;
    // The address a phone opens: the web remote with the access code.
    QString phoneAddress() const;

    struct Ui {
        QCheckBox *allowBox = nullptr;         // "Allow remote control"
        QSpinBox *portBox = nullptr;           // the web remote's port
        QSpinBox *oscPortBox = nullptr;        // the OSC port
        QCheckBox *otherMachinesBox = nullptr; // "Accept connections from other machines"
        QLineEdit *codeEdit = nullptr;         // the access code, read only
        QPushButton *newCodeButton = nullptr;  // "New Code"
        QLabel *addressLabel = nullptr;        // the address to open on a phone
        QLabel *qrLabel = nullptr;             // that address as a QR code
        QDialogButtonBox *buttons = nullptr;   // OK, Cancel
    };
    const Ui &ui() const { return m_ui; }

private:
    void showAddress();

    Ui m_ui;
    std::function<QImage(const QString &)> m_qrCode;
    QStringList m_machineAddresses;
};
