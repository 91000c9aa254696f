#include "dialogs/TForm2.h"

#include "dialogs/OutputWindow.h"
#include "platform/TrackBar.h"
#include "play/FadeTitle.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

constexpr int kPreviewLeft = 240;
constexpr int kPreviewTop = 64;

QLabel *label(QWidget *parent, const char *name, const QRect &at) {
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(at);
    return l;
}

QSlider *bar(QWidget *parent, const char *name, int y) {
    auto *b = new QSlider(Qt::Horizontal, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setTickPosition(QSlider::NoTicks);
    b->setGeometry(10, y, 220, 24);
    return b;
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : ValueDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Adjust Output Window Size"));
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);

    Label1 = label(this, "Label1", QRect(10, 8, 220, 16));
    TrackBar1 = bar(this, "TrackBar1", 26);
    Label2 = label(this, "Label2", QRect(10, 52, 80, 16));
    Label2->setFont(bold);
    Label5 = label(this, "Label5", QRect(130, 52, 100, 16));
    Label3 = label(this, "Label3", QRect(10, 76, 220, 16));
    TrackBar2 = bar(this, "TrackBar2", 94);
    Label4 = label(this, "Label4", QRect(10, 120, 80, 16));
    Label4->setFont(bold);
    Label6 = label(this, "Label6", QRect(130, 120, 100, 16));
    centerfade = new QCheckBox(QStringLiteral("Auto Center"), this);
    centerfade->setObjectName(QStringLiteral("centerfade"));
    centerfade->setGeometry(10, 144, 220, 20);
    lowerthird = new QCheckBox(QStringLiteral("Position in lower third"), this);
    lowerthird->setObjectName(QStringLiteral("lowerthird"));
    lowerthird->setGeometry(10, 166, 220, 20);
    BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(10, 194, 100, 28);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(126, 194, 100, 28);

    pb2 = label(this, "pb2", QRect(kPreviewLeft, kPreviewTop, 1, 1));
    Label7 = label(this, "Label7", QRect());
    Label8 = label(this, "Label8", QRect());
    Label9 = label(this, "Label9", QRect());
    Label10 = label(this, "Label10", QRect());
    Panel1 = new QLabel(QStringLiteral("X"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    QPalette blue = Panel1->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    blue.setColor(QPalette::WindowText, QColor(255, 255, 255));
    Panel1->setPalette(blue);
    Panel1->setCursor(Qt::PointingHandCursor);
    Panel1->installEventFilter(this);

    connect(TrackBar1, &QSlider::valueChanged, this, &TForm2::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm2::TrackBar2Change);
    connect(centerfade, &QCheckBox::clicked, this, &TForm2::centerfadeClick);
    connect(lowerthird, &QCheckBox::clicked, this, &TForm2::lowerthirdClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm2::BitBtn2Click);
}

OutputWindowResult TForm2::execute(const OutputWindowRequest &request) {
    m_request = request;
    m_values = request.values;
    m_editorWidth = request.editorWidth;
    // Sized around the preview and centred on the screen.
    const QSize preview = outputwindow::previewSize(request.screen);
    setFixedSize(kPreviewLeft + preview.width() + 20, kPreviewTop + preview.height() + 80);
    move((request.screen.width() - width()) / 2, (request.screen.height() - height()) / 2);
    run();
    return {closedBy(), m_values, m_editorWidth};
}

void TForm2::showEvent(QShowEvent *event) {
    ValueDialog::showEvent(event);
    FormShow();
}

void TForm2::FormShow() {
    const QSize screen = m_request.screen;
    // The preview at one sixth of the screen, the dialog around it, the coordinates below.
    const QSize preview = outputwindow::previewSize(screen);
    pb2->setGeometry(kPreviewLeft, kPreviewTop, preview.width(), preview.height());
    clearPreview();
    setFixedSize(kPreviewLeft + preview.width() + 20, kPreviewTop + preview.height() + 80);
    const int row1 = kPreviewTop + preview.height() + 6;
    const int row2 = row1 + 16 + 6;
    Label7->setGeometry(kPreviewLeft, row1, 90, 16);
    Label8->setGeometry(kPreviewLeft + 92, row1, 90, 16);
    Label9->setGeometry(kPreviewLeft, row2, 90, 16);
    Label10->setGeometry(kPreviewLeft + 92, row2, 90, 16);
    showCoordinates();
    m_remembered = m_values;
    const bool fade = m_request.fadeMode;
    centerfade->setVisible(fade);
    centerfade->setEnabled(fade);
    lowerthird->setVisible(fade);
    lowerthird->setEnabled(fade);
    Panel1->setVisible(fade);
    if (fade) {
        centerfade->setChecked(m_values.CenterFade);
        lowerthird->setChecked(m_values.LowerThird);
        setWindowTitle(QStringLiteral("Adjust fading text screen position"));
        Label1->setText(QStringLiteral("Fading Text Horizontal postion"));
        Label3->setText(QStringLiteral("Fading Text Vertical postion"));
        setBarRanges(0, screen.width(), 0, screen.height());
        const int side = QFontMetrics(pb2->font()).height();
        Panel1->resize(side, side);
        setform2checks();
        barsFromPosition();
        placeMarker();
    } else {
        setWindowTitle(QStringLiteral("Adjust Output Window Size"));
        setBarRanges(10, screen.width(), m_request.editorPointSize, screen.height());
        Label1->setText(QStringLiteral("Output window width in pixels"));
        Label3->setText(QStringLiteral("Output window height in pixels"));
        const mainlayout::OutputRect &r = m_values.rect;
        platform::setTrackBarPosition(TrackBar1, r.right - r.left);
        platform::setTrackBarPosition(TrackBar2, r.bottom - r.top);
        drawBox();
    }
    showCoordinates(); // as the automatic placement has left them
    Label5->setText(QStringLiteral("Max %1").arg(TrackBar1->maximum()));
    Label6->setText(QStringLiteral("Max %1").arg(TrackBar2->maximum()));
    Label2->setText(QString::number(TrackBar1->value()));
    Label4->setText(QString::number(TrackBar2->value()));
}

void TForm2::setBarRanges(int min1, int max1, int min2, int max2) {
    // A position the new range moves is moved by the program: no rule runs.
    const QSignalBlocker block1(TrackBar1);
    const QSignalBlocker block2(TrackBar2);
    TrackBar1->setRange(min1, max1);
    TrackBar2->setRange(min2, max2);
}

void TForm2::TrackBar1Change() {
    barMoved(Label2, TrackBar1->value());
}

void TForm2::TrackBar2Change() {
    barMoved(Label4, TrackBar2->value());
}

void TForm2::barMoved(QLabel *label, int position) {
    label->setText(QString::number(position));
    mainlayout::OutputRect &r = m_values.rect;
    if (m_request.fadeMode) {
        r.left = TrackBar1->value();
        r.top = outputwindow::fadeTopForBar(TrackBar2->value(), m_request.editorPointSize);
        placeMarker();
    } else {
        r = outputwindow::centredRect(TrackBar1->value(), TrackBar2->value(), m_request.screen);
        drawBox();
    }
    showCoordinates();
}

void TForm2::showCoordinates() {
    const mainlayout::OutputRect &r = m_values.rect;
    Label7->setText(QStringLiteral("Left   %1").arg(r.left));
    Label8->setText(QStringLiteral("Top    %1").arg(r.top));
    Label9->setText(QStringLiteral("Right  %1").arg(r.right));
    Label10->setText(QStringLiteral("Bottom %1").arg(r.bottom));
}

void TForm2::clearPreview() {
    QPixmap black(pb2->size());
    black.fill(Qt::black);
    pb2->setPixmap(black);
}

void TForm2::drawBox() {
    QPixmap picture(pb2->size());
    picture.fill(Qt::black);
    {
        QPainter p(&picture);
        p.setPen(Qt::white);
        p.drawRect(outputwindow::previewBox(m_values.rect));
    }
    pb2->setPixmap(picture);
}

void TForm2::placeMarker() {
    const QPoint at = outputwindow::toPreview(QPoint(m_values.rect.left, m_values.rect.top));
    Panel1->move(pb2->pos() + at);
    Panel1->raise();
}

void TForm2::barsFromPosition() {
    platform::setTrackBarPosition(TrackBar1, m_values.rect.left);
    platform::setTrackBarPosition(TrackBar2, m_values.rect.top);
}

void TForm2::setform2checks() {
    const mainlayout::OutputRect &r = m_values.rect;
    const TitlePosition p = placeTitle(m_values.CenterFade, m_values.LowerThird, m_request.title,
                                       m_request.screen, {r.left, r.top});
    m_values.rect.left = p.left;
    m_values.rect.top = p.top;
}

void TForm2::centerfadeClick() {
    m_values.CenterFade = centerfade->isChecked();
    placeByBoxes();
}

void TForm2::lowerthirdClick() {
    m_values.LowerThird = lowerthird->isChecked();
    placeByBoxes();
}

void TForm2::placeByBoxes() {
    // The boxes place the title at once: the bars, the marker and the coordinates follow.
    setform2checks();
    barsFromPosition();
    placeMarker();
    showCoordinates();
}

void TForm2::pb2DragOver(QPoint point) {
    // The marker follows the mouse; the bars show the screen position, which OK takes.
    Panel1->move(pb2->pos() + point);
    const QPoint screenAt = outputwindow::fromPreview(point);
    platform::setTrackBarPosition(TrackBar1, screenAt.x());
    platform::setTrackBarPosition(TrackBar2, screenAt.y());
    Label2->setText(QString::number(screenAt.x()));
    Label4->setText(QString::number(screenAt.y()));
}

bool TForm2::eventFilter(QObject *watched, QEvent *event) {
    if (watched != Panel1)
        return ValueDialog::eventFilter(watched, event);
    // The marker is dragged with the left button over the preview.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_dragging = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseMove: {
        if (!m_dragging)
            break;
        const auto *e = static_cast<QMouseEvent *>(event);
        const QPoint at = pb2->mapFromGlobal(e->globalPosition().toPoint());
        if (pb2->rect().contains(at))
            pb2DragOver(at);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        break;
    }
    return ValueDialog::eventFilter(watched, event);
}

void TForm2::BitBtn1Click() {
    if (m_request.fadeMode) {
        m_values.rect.left = TrackBar1->value();
        m_values.rect.top = TrackBar2->value();
    } else {
        m_editorWidth = TrackBar1->value() / 2;
        m_values.rect =
            outputwindow::centredRect(TrackBar1->value(), TrackBar2->value(), m_request.screen);
        m_values.screenResIndex = -1;
    }
    closeAs(DialogClose::Ok);
}

void TForm2::BitBtn2Click() {
    m_values = m_remembered;
    closeAs(DialogClose::Cancel);
}
