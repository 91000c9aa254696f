#include "dialogs/FontChooser.h"

#include "dialogs/FontFaceDelegate.h"
#include "platform/TrackBar.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int kWidth = 300;
constexpr int kButtonHeight = 28;
constexpr int kListTop = 105;
// Below this the list would vanish; a very low main window still gets a usable chooser.
constexpr int kMinimumHeight = 260;

QLabel *boldLabel(QWidget *parent, const char *name, const QString &text, QRect geometry) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setGeometry(geometry);
    return l;
}

} // namespace

FontChooser::FontChooser(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("fontChooser"));
    setWindowTitle(QStringLiteral("Font Type - Size  "));
    resize(kWidth, 500);

    m_ui.sizeCaption = new QLabel(QStringLiteral("Font Size"), this);
    m_ui.sizeCaption->setObjectName(QStringLiteral("sizeCaption"));
    m_ui.sizeCaption->setGeometry(10, 10, 70, 18);
    m_ui.sizeLabel = boldLabel(this, "sizeLabel", QString(), {85, 10, 80, 18});
    m_ui.sizeBar = new QSlider(Qt::Horizontal, this);
    m_ui.sizeBar->setObjectName(QStringLiteral("sizeBar"));
    m_ui.sizeBar->setRange(2, 200);
    m_ui.sizeBar->setPageStep(4);
    m_ui.sizeBar->setTickInterval(6);
    m_ui.sizeBar->setTickPosition(QSlider::TicksBelow);
    m_ui.sizeBar->setGeometry(10, 32, kWidth - 20, 30);
    platform::setTrackBarPosition(m_ui.sizeBar, 16);
    m_ui.faceLabel = boldLabel(this, "faceLabel", QString(), {10, 66, kWidth - 20, 34});

    m_ui.faceList = new QListWidget(this);
    m_ui.faceList->setObjectName(QStringLiteral("faceList"));
    m_ui.faceList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_delegate = new FontFaceDelegate(m_ui.faceList);
    m_ui.faceList->setItemDelegate(m_delegate);

    m_ui.okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_ui.okButton->setObjectName(QStringLiteral("okButton"));
    m_ui.okButton->setDefault(true);
    m_ui.cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_ui.cancelButton->setObjectName(QStringLiteral("cancelButton"));

    connect(m_ui.sizeBar, &QSlider::valueChanged, this, &FontChooser::sizeBarMoved);
    connect(m_ui.faceList, &QListWidget::currentRowChanged, this, &FontChooser::faceClicked);
    connect(m_ui.okButton, &QPushButton::clicked, this, &FontChooser::okClicked);
    connect(m_ui.cancelButton, &QPushButton::clicked, this, &FontChooser::cancelClicked);
}

void FontChooser::prepare(const FontChooserInput &input) {
    m_input = input;
    m_choice = {input.font.family(), input.font.pointSize()};
}

FontChoice FontChooser::execute(const FontChooserInput &input) {
    prepare(input);
    exec();
    return m_choice;
}

int FontChooser::facesLoaded() const {
    return m_delegate->facesLoaded();
}

void FontChooser::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    showValues();
}

void FontChooser::showValues() {
    // The face and size for Cancel.
    m_remembered = m_choice;
    // Beside the editor, as high as the main window less 100; the list and the buttons
    // follow the height.
    const int height = std::max(m_input.height, kMinimumHeight);
    move(m_input.topLeft);
    setFixedSize(kWidth, height);
    m_ui.faceList->setGeometry(10, kListTop, kWidth - 20, height - 160);
    const int buttonTop = height - kButtonHeight - 28;
    m_ui.okButton->setGeometry(40, buttonTop, 100, kButtonHeight);
    m_ui.cancelButton->setGeometry(160, buttonTop, 100, kButtonHeight);

    // The installed faces, on the editor's colours, the editor's own selected.
    QStringList faces;
    for (const QString &face : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(face))
            faces << face;
    QPalette pal = m_ui.faceList->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Base, m_input.background);
        pal.setColor(group, QPalette::Text, m_input.text);
    }
    m_ui.faceList->setPalette(pal);
    {
        const QSignalBlocker block(m_ui.faceList);
        m_ui.faceList->clear();
        m_delegate->reset(int(faces.size()));
        m_ui.faceList->addItems(faces);
        // A face asked for by another name (an alias) is shown as the face it resolves to.
        int current = int(faces.indexOf(m_choice.face));
        if (current < 0)
            current = int(faces.indexOf(QFontInfo(m_input.font).family()));
        m_ui.faceList->setCurrentRow(current);
        if (current >= 0)
            m_ui.faceList->scrollToItem(m_ui.faceList->item(current),
                                        QAbstractItemView::PositionAtCenter);
    }

    // The size bar at the editor's size, and the size rule, which keeps it.
    platform::setTrackBarPosition(m_ui.sizeBar, m_choice.size);
    m_ui.sizeLabel->setText(QString::number(m_ui.sizeBar->value()));
    sizeRule();
    showFace(m_choice.face);
}

void FontChooser::faceClicked() {
    const QListWidgetItem *item = m_ui.faceList->currentItem();
    if (!item)
        return;
    m_choice.face = item->text();
    showFace(m_choice.face);
    emit faceChosen(m_choice.face);
}

void FontChooser::sizeBarMoved() {
    sizeRule();
}

void FontChooser::sizeRule() {
    m_choice.size = m_ui.sizeBar->value();
    emit sizeChosen(m_choice.size);
    m_ui.sizeLabel->setText(QString::number(m_choice.size));
    QFont style = m_ui.sizeLabel->font();
    style.setBold(m_input.font.bold());
    style.setItalic(m_input.font.italic());
    style.setUnderline(m_input.font.underline());
    m_ui.sizeLabel->setFont(style);
}

void FontChooser::showFace(const QString &face) {
    QFont font = m_ui.faceLabel->font();
    font.setFamilies({face});
    m_ui.faceLabel->setFont(font);
    m_ui.faceLabel->setText(face);
}

void FontChooser::showSize(int size) {
    platform::setTrackBarPosition(m_ui.sizeBar, size);
    m_choice.size = m_ui.sizeBar->value();
    m_ui.sizeLabel->setText(QString::number(m_choice.size));
}

void FontChooser::okClicked() {
    accept();
}

void FontChooser::cancelClicked() {
    reject();
}

void FontChooser::reject() {
    showSize(m_remembered.size);
    m_choice = m_remembered; // the size itself, even where the bar could not show it
    QDialog::reject();
}
