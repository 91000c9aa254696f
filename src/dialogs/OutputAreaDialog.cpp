#include "dialogs/OutputAreaDialog.h"

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
#include <QWindow>

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

OutputAreaDialog::OutputAreaDialog(QWidget *parent)
    : ValueDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("outputAreaDialog"));
    setWindowTitle(QStringLiteral("Adjust Output Window Size"));
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);

    m_ui.horizontalCaption = label(this, "horizontalCaption", QRect(10, 8, 220, 16));
    m_ui.horizontalBar = bar(this, "horizontalBar", 26);
    m_ui.horizontalValue = label(this, "horizontalValue", QRect(10, 52, 80, 16));
    m_ui.horizontalValue->setFont(bold);
    m_ui.horizontalMaximum = label(this, "horizontalMaximum", QRect(130, 52, 100, 16));
    m_ui.verticalCaption = label(this, "verticalCaption", QRect(10, 76, 220, 16));
    m_ui.verticalBar = bar(this, "verticalBar", 94);
    m_ui.verticalValue = label(this, "verticalValue", QRect(10, 120, 80, 16));
    m_ui.verticalValue->setFont(bold);
    m_ui.verticalMaximum = label(this, "verticalMaximum", QRect(130, 120, 100, 16));
    m_ui.autoCenterBox = new QCheckBox(QStringLiteral("Auto Center"), this);
    m_ui.autoCenterBox->setObjectName(QStringLiteral("autoCenterBox"));
    m_ui.autoCenterBox->setGeometry(10, 144, 220, 20);
    m_ui.lowerThirdBox = new QCheckBox(QStringLiteral("Position in lower third"), this);
    m_ui.lowerThirdBox->setObjectName(QStringLiteral("lowerThirdBox"));
    m_ui.lowerThirdBox->setGeometry(10, 166, 220, 20);
    m_ui.okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_ui.okButton->setObjectName(QStringLiteral("okButton"));
    m_ui.okButton->setGeometry(10, 194, 100, 28);
    m_ui.okButton->setDefault(true);
    m_ui.cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_ui.cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_ui.cancelButton->setGeometry(126, 194, 100, 28);

    m_ui.preview = label(this, "preview", QRect(kPreviewLeft, kPreviewTop, 1, 1));
    m_ui.leftLabel = label(this, "leftLabel", QRect());
    m_ui.topLabel = label(this, "topLabel", QRect());
    m_ui.rightLabel = label(this, "rightLabel", QRect());
    m_ui.bottomLabel = label(this, "bottomLabel", QRect());
    m_ui.titleMarker = new QLabel(QStringLiteral("X"), this);
    m_ui.titleMarker->setObjectName(QStringLiteral("titleMarker"));
    m_ui.titleMarker->setAlignment(Qt::AlignCenter);
    m_ui.titleMarker->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_ui.titleMarker->setAutoFillBackground(true);
    QPalette blue = m_ui.titleMarker->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    blue.setColor(QPalette::WindowText, QColor(255, 255, 255));
    m_ui.titleMarker->setPalette(blue);
    m_ui.titleMarker->setCursor(Qt::PointingHandCursor);
    m_ui.titleMarker->installEventFilter(this);

    connect(m_ui.horizontalBar, &QSlider::valueChanged, this,
            &OutputAreaDialog::horizontalBarMoved);
    connect(m_ui.verticalBar, &QSlider::valueChanged, this, &OutputAreaDialog::verticalBarMoved);
    connect(m_ui.autoCenterBox, &QCheckBox::clicked, this, &OutputAreaDialog::autoCenterClicked);
    connect(m_ui.lowerThirdBox, &QCheckBox::clicked, this, &OutputAreaDialog::lowerThirdClicked);
    connect(m_ui.okButton, &QPushButton::clicked, this, &OutputAreaDialog::okClicked);
    connect(m_ui.cancelButton, &QPushButton::clicked, this, &OutputAreaDialog::cancelClicked);
}

OutputAreaResult OutputAreaDialog::execute(const OutputAreaRequest &request) {
    m_request = request;
    m_values = request.values;
    m_editorWidth = request.editorWidth;
    // Sized around the preview and centred on the screen.
    const QSize preview = outputwindow::previewSize(request.screen);
    setOuterSize(preview);
    move((request.screen.width() - width()) / 2, (request.screen.height() - height()) / 2);
    run();
    return {closedBy(), m_values, m_editorWidth};
}

void OutputAreaDialog::showEvent(QShowEvent *event) {
    ValueDialog::showEvent(event);
    if (takeOpening())
        showValues();
}

void OutputAreaDialog::showValues() {
    const QSize screen = m_request.screen;
    // The preview at one sixth of the screen, the dialog around it, the coordinates below.
    const QSize preview = outputwindow::previewSize(screen);
    m_ui.preview->setGeometry(kPreviewLeft, kPreviewTop, preview.width(), preview.height());
    clearPreview();
    setOuterSize(preview);
    const int row1 = kPreviewTop + preview.height() + 6;
    const int row2 = row1 + 16 + 6;
    m_ui.leftLabel->setGeometry(kPreviewLeft, row1, 90, 16);
    m_ui.topLabel->setGeometry(kPreviewLeft + 92, row1, 90, 16);
    m_ui.rightLabel->setGeometry(kPreviewLeft, row2, 90, 16);
    m_ui.bottomLabel->setGeometry(kPreviewLeft + 92, row2, 90, 16);
    showCoordinates();
    m_remembered = m_values;
    const bool fade = m_request.fadeMode;
    m_ui.autoCenterBox->setVisible(fade);
    m_ui.autoCenterBox->setEnabled(fade);
    m_ui.lowerThirdBox->setVisible(fade);
    m_ui.lowerThirdBox->setEnabled(fade);
    m_ui.titleMarker->setVisible(fade);
    if (fade) {
        m_ui.autoCenterBox->setChecked(m_values.centerFade);
        m_ui.lowerThirdBox->setChecked(m_values.lowerThird);
        setWindowTitle(QStringLiteral("Adjust fading text screen position"));
        m_ui.horizontalCaption->setText(QStringLiteral("Fading Text Horizontal postion"));
        m_ui.verticalCaption->setText(QStringLiteral("Fading Text Vertical postion"));
        setBarRanges(0, screen.width(), 0, screen.height());
        const int side = QFontMetrics(m_ui.preview->font()).height();
        m_ui.titleMarker->resize(side, side);
        placeTitleByChecks();
        barsFromPosition();
        placeMarker();
    } else {
        setWindowTitle(QStringLiteral("Adjust Output Window Size"));
        setBarRanges(10, screen.width(), m_request.editorPointSize, screen.height());
        m_ui.horizontalCaption->setText(QStringLiteral("Output window width in pixels"));
        m_ui.verticalCaption->setText(QStringLiteral("Output window height in pixels"));
        const OutputRect &r = m_values.rect;
        platform::setTrackBarPosition(m_ui.horizontalBar, r.right - r.left);
        platform::setTrackBarPosition(m_ui.verticalBar, r.bottom - r.top);
        drawBox();
    }
    showCoordinates(); // as the automatic placement has left them
    m_ui.horizontalMaximum->setText(QStringLiteral("Max %1").arg(m_ui.horizontalBar->maximum()));
    m_ui.verticalMaximum->setText(QStringLiteral("Max %1").arg(m_ui.verticalBar->maximum()));
    m_ui.horizontalValue->setText(QString::number(m_ui.horizontalBar->value()));
    m_ui.verticalValue->setText(QString::number(m_ui.verticalBar->value()));
    emit valuesChanged(m_values, OutputAreaChange::Opened);
}

// The dialog's outer size, its frame included, is the preview's plus 20 wide and 80 high.
void OutputAreaDialog::setOuterSize(QSize preview) {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(kPreviewLeft + preview.width() + 20 - frame.left() - frame.right(),
                 kPreviewTop + preview.height() + 80 - frame.top() - frame.bottom());
}

void OutputAreaDialog::setBarRanges(int min1, int max1, int min2, int max2) {
    // A position the new range moves is moved by the program: no rule runs.
    const QSignalBlocker block1(m_ui.horizontalBar);
    const QSignalBlocker block2(m_ui.verticalBar);
    m_ui.horizontalBar->setRange(min1, max1);
    m_ui.verticalBar->setRange(min2, max2);
}

void OutputAreaDialog::horizontalBarMoved() {
    barMoved(m_ui.horizontalValue, m_ui.horizontalBar->value());
}

void OutputAreaDialog::verticalBarMoved() {
    barMoved(m_ui.verticalValue, m_ui.verticalBar->value());
}

void OutputAreaDialog::barMoved(QLabel *label, int position) {
    label->setText(QString::number(position));
    OutputRect &r = m_values.rect;
    if (m_request.fadeMode) {
        r.left = m_ui.horizontalBar->value();
        r.top = outputwindow::fadeTopForBar(m_ui.verticalBar->value(), m_request.editorPointSize);
        placeMarker();
    } else {
        r = outputwindow::centredRect(m_ui.horizontalBar->value(), m_ui.verticalBar->value(),
                                      m_request.screen);
        drawBox();
    }
    showCoordinates();
    emit valuesChanged(m_values, OutputAreaChange::BarMoved);
}

void OutputAreaDialog::showCoordinates() {
    const OutputRect &r = m_values.rect;
    m_ui.leftLabel->setText(QStringLiteral("Left   %1").arg(r.left));
    m_ui.topLabel->setText(QStringLiteral("Top    %1").arg(r.top));
    m_ui.rightLabel->setText(QStringLiteral("Right  %1").arg(r.right));
    m_ui.bottomLabel->setText(QStringLiteral("Bottom %1").arg(r.bottom));
}

void OutputAreaDialog::clearPreview() {
    QPixmap black(m_ui.preview->size());
    black.fill(Qt::black);
    m_ui.preview->setPixmap(black);
}

void OutputAreaDialog::drawBox() {
    QPixmap picture(m_ui.preview->size());
    picture.fill(Qt::black);
    {
        QPainter p(&picture);
        p.setPen(Qt::white);
        p.drawRect(outputwindow::previewBox(m_values.rect));
    }
    m_ui.preview->setPixmap(picture);
}

void OutputAreaDialog::placeMarker() {
    const QPoint at = outputwindow::toPreview(QPoint(m_values.rect.left, m_values.rect.top));
    m_ui.titleMarker->move(m_ui.preview->pos() + at);
    m_ui.titleMarker->raise();
}

void OutputAreaDialog::barsFromPosition() {
    platform::setTrackBarPosition(m_ui.horizontalBar, m_values.rect.left);
    platform::setTrackBarPosition(m_ui.verticalBar, m_values.rect.top);
}

void OutputAreaDialog::placeTitleByChecks() {
    const OutputRect &r = m_values.rect;
    const TitlePosition p = placeTitle(m_values.centerFade, m_values.lowerThird, m_request.title,
                                       m_request.screen, {r.left, r.top});
    m_values.rect.left = p.left;
    m_values.rect.top = p.top;
}

void OutputAreaDialog::autoCenterClicked() {
    m_values.centerFade = m_ui.autoCenterBox->isChecked();
    placeByBoxes();
    emit valuesChanged(m_values, OutputAreaChange::AutoCenter);
}

void OutputAreaDialog::lowerThirdClicked() {
    m_values.lowerThird = m_ui.lowerThirdBox->isChecked();
    placeByBoxes();
    emit valuesChanged(m_values, OutputAreaChange::LowerThird);
}

void OutputAreaDialog::placeByBoxes() {
    // The boxes place the title at once: the bars, the marker and the coordinates follow.
    placeTitleByChecks();
    barsFromPosition();
    placeMarker();
    showCoordinates();
}

void OutputAreaDialog::dragMarkerTo(QPoint point) {
    // The marker follows the mouse; the bars show the screen position, which OK takes.
    m_ui.titleMarker->move(m_ui.preview->pos() + point);
    const QPoint screenAt = outputwindow::fromPreview(point);
    platform::setTrackBarPosition(m_ui.horizontalBar, screenAt.x());
    platform::setTrackBarPosition(m_ui.verticalBar, screenAt.y());
    m_ui.horizontalValue->setText(QString::number(screenAt.x()));
    m_ui.verticalValue->setText(QString::number(screenAt.y()));
}

bool OutputAreaDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_ui.titleMarker)
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
        const QPoint at = m_ui.preview->mapFromGlobal(e->globalPosition().toPoint());
        if (m_ui.preview->rect().contains(at))
            dragMarkerTo(at);
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

void OutputAreaDialog::okClicked() {
    if (m_request.fadeMode) {
        m_values.rect.left = m_ui.horizontalBar->value();
        m_values.rect.top = m_ui.verticalBar->value();
    } else {
        m_editorWidth = m_ui.horizontalBar->value() / 2;
        m_values.rect = outputwindow::centredRect(m_ui.horizontalBar->value(),
                                                  m_ui.verticalBar->value(), m_request.screen);
        m_values.screenResIndex = -1;
    }
    closeAs(DialogClose::Ok);
}

void OutputAreaDialog::cancelClicked() {
    m_values = m_remembered;
    closeAs(DialogClose::Cancel);
}
