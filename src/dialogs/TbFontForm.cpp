#include "dialogs/TbFontForm.h"

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

TbFontForm::TbFontForm(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TbFontForm"));
    setWindowTitle(QStringLiteral("Font Type - Size  "));
    resize(kWidth, 500);

    FontSize = new QLabel(QStringLiteral("Font Size"), this);
    FontSize->setObjectName(QStringLiteral("FontSize"));
    FontSize->setGeometry(10, 10, 70, 18);
    fontsizelabel = boldLabel(this, "fontsizelabel", QString(), {85, 10, 80, 18});
    FontSizeTrackbar = new QSlider(Qt::Horizontal, this);
    FontSizeTrackbar->setObjectName(QStringLiteral("FontSizeTrackbar"));
    FontSizeTrackbar->setRange(2, 200);
    FontSizeTrackbar->setPageStep(4);
    FontSizeTrackbar->setTickInterval(6);
    FontSizeTrackbar->setTickPosition(QSlider::TicksBelow);
    FontSizeTrackbar->setGeometry(10, 32, kWidth - 20, 30);
    platform::setTrackBarPosition(FontSizeTrackbar, 16);
    fontlabel = boldLabel(this, "fontlabel", QString(), {10, 66, kWidth - 20, 34});

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_delegate = new FontFaceDelegate(ListBox1);
    ListBox1->setItemDelegate(m_delegate);

    BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    connect(FontSizeTrackbar, &QSlider::valueChanged, this, &TbFontForm::FontSizeTrackbarChange);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TbFontForm::ListBox1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TbFontForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TbFontForm::BitBtn2Click);
}

void TbFontForm::prepare(const FontChooserInput &input) {
    m_input = input;
    m_choice = {input.font.family(), input.font.pointSize()};
}

FontChoice TbFontForm::execute(const FontChooserInput &input) {
    prepare(input);
    exec();
    return m_choice;
}

int TbFontForm::facesLoaded() const {
    return m_delegate->facesLoaded();
}

void TbFontForm::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormShow();
}

void TbFontForm::FormShow() {
    // The face and size for Cancel.
    m_remembered = m_choice;
    // Beside the editor, as high as the main window less 100; the list and the buttons
    // follow the height.
    const int height = std::max(m_input.height, kMinimumHeight);
    move(m_input.topLeft);
    setFixedSize(kWidth, height);
    ListBox1->setGeometry(10, kListTop, kWidth - 20, height - 160);
    const int buttonTop = height - kButtonHeight - 28;
    BitBtn1->setGeometry(40, buttonTop, 100, kButtonHeight);
    BitBtn2->setGeometry(160, buttonTop, 100, kButtonHeight);

    // The installed faces, on the editor's colours, the editor's own selected.
    QStringList faces;
    for (const QString &face : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(face))
            faces << face;
    QPalette pal = ListBox1->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Base, m_input.background);
        pal.setColor(group, QPalette::Text, m_input.text);
    }
    ListBox1->setPalette(pal);
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->clear();
        m_delegate->reset(int(faces.size()));
        ListBox1->addItems(faces);
        // A face asked for by another name (an alias) is shown as the face it resolves to.
        int current = int(faces.indexOf(m_choice.face));
        if (current < 0)
            current = int(faces.indexOf(QFontInfo(m_input.font).family()));
        ListBox1->setCurrentRow(current);
        if (current >= 0)
            ListBox1->scrollToItem(ListBox1->item(current), QAbstractItemView::PositionAtCenter);
    }

    // The size bar at the editor's size, and the size rule, which keeps it.
    platform::setTrackBarPosition(FontSizeTrackbar, m_choice.size);
    fontsizelabel->setText(QString::number(FontSizeTrackbar->value()));
    sizeRule();
    showFace(m_choice.face);
}

void TbFontForm::ListBox1Click() {
    const QListWidgetItem *item = ListBox1->currentItem();
    if (!item)
        return;
    m_choice.face = item->text();
    showFace(m_choice.face);
    emit faceChosen(m_choice.face);
}

void TbFontForm::FontSizeTrackbarChange() {
    sizeRule();
}

void TbFontForm::sizeRule() {
    m_choice.size = FontSizeTrackbar->value();
    emit sizeChosen(m_choice.size);
    fontsizelabel->setText(QString::number(m_choice.size));
    QFont style = fontsizelabel->font();
    style.setBold(m_input.font.bold());
    style.setItalic(m_input.font.italic());
    style.setUnderline(m_input.font.underline());
    fontsizelabel->setFont(style);
}

void TbFontForm::showFace(const QString &face) {
    QFont font = fontlabel->font();
    font.setFamilies({face});
    fontlabel->setFont(font);
    fontlabel->setText(face);
}

void TbFontForm::showSize(int size) {
    platform::setTrackBarPosition(FontSizeTrackbar, size);
    m_choice.size = FontSizeTrackbar->value();
    fontsizelabel->setText(QString::number(m_choice.size));
}

void TbFontForm::BitBtn1Click() {
    accept();
}

void TbFontForm::BitBtn2Click() {
    reject();
}

void TbFontForm::reject() {
    showSize(m_remembered.size);
    m_choice = m_remembered; // the size itself, even where the bar could not show it
    QDialog::reject();
}
