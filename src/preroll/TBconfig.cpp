#include "preroll/TBconfig.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

TBconfig::TBconfig(QWidget *parent, QPoint position) : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("TBconfig"));
    setWindowTitle(QStringLiteral("Set Color Bar Time"));
    setFixedSize(220, 130);
    auto *title = new QLabel(QStringLiteral("Set Time in Seconds"), this);
    title->setGeometry(10, 8, 140, 18);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->setGeometry(160, 8, 50, 18);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 30);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setGeometry(10, 34, 200, 34);
    OKButton = new QPushButton(QStringLiteral("&OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(20, 90, 80, 26);
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(120, 90, 80, 26);
    connect(TrackBar1, &QSlider::valueChanged, this, &TBconfig::TrackBar1Change);
    connect(OKButton, &QPushButton::clicked, this, &TBconfig::OKClick);
    connect(CancelButton, &QPushButton::clicked, this, &TBconfig::CancelClick);
    move(position);
}

int TBconfig::execute(int cbarTime) {
    m_cbarTime = cbarTime;
    exec();
    return m_cbarTime;
}

void TBconfig::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormShow();
}

void TBconfig::FormShow() {
    m_remembered = m_cbarTime;
    {
        const QSignalBlocker block(TrackBar1);
        TrackBar1->setValue(m_cbarTime);
    }
    Label2->setText(QString::number(TrackBar1->value()));
}

void TBconfig::TrackBar1Change() {
    Label2->setText(QString::number(TrackBar1->value()));
}

void TBconfig::OKClick() {
    m_cbarTime = TrackBar1->value();
    done(QDialog::Accepted);
}

void TBconfig::CancelClick() {
    m_cbarTime = m_remembered;
    TrackBar1->setValue(m_remembered);
    done(QDialog::Rejected);
}
