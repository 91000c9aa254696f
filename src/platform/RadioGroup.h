#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A titled group of radio buttons answering with one item index (-1 when none is
// selected). Selecting an item, by the operator or from the program, emits clicked()
// when the selection changes.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &title, const QStringList &items, QWidget *parent = nullptr);

    int itemIndex() const { return m_index; }
    void setItemIndex(int index);
    int count() const;
    QRadioButton *button(int index) const;

signals:
    void clicked();

private:
    QButtonGroup *m_group;
    int m_index = -1;
};
