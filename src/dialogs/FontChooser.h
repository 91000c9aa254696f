#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class FontFaceDelegate;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

// The face and size the chooser hands back.
struct FontChoice {
    QString face;
    int size = 0;
};

// What the chooser opens with: the editor's font and colours, and where it stands (its
// top-left corner on the screen and its height).
struct FontChooserInput {
    QFont font;
    QColor text;
    QColor background;
    QPoint topLeft;
    int height = 0;
};

// "Font Type - Size  ": every installed face drawn in its own face on the editor's colours,
// and a size bar. Each choice is reported at once (faceChosen, sizeChosen) so that the editor
// and the main window's size bar follow while the dialog is open; execute() hands back the
// face and size to keep.
class FontChooser : public QDialog {
    Q_OBJECT
public:
    explicit FontChooser(QWidget *parent = nullptr);

    // Shows the chooser modally; returns the chosen face and size after OK, and the editor's
    // own after Cancel, Esc or the close box.
    FontChoice execute(const FontChooserInput &input);
    // Takes the values to open with; the opening steps run when the dialog shows.
    void prepare(const FontChooserInput &input);
    // The size from the main window's size bar: this bar and its label follow, no rule runs.
    void showSize(int size);
    const FontChoice &choice() const { return m_choice; }
    // How many faces have been loaded to measure and draw the list since it was filled.
    int facesLoaded() const;

    // The controls, each named as its objectName.
    struct Ui {
        QLabel *sizeCaption = nullptr;
        QLabel *sizeLabel = nullptr;
        QSlider *sizeBar = nullptr;          // 2..200, as the main window's size bar
        QLabel *faceLabel = nullptr;         // the chosen face's name, in that face
        QListWidget *faceList = nullptr;     // one item per installed face
        QPushButton *okButton = nullptr;     // OK (Enter)
        QPushButton *cancelButton = nullptr; // Cancel (Esc)
    };
    const Ui &ui() const { return m_ui; }

    void showValues();
    void faceClicked();
    void sizeBarMoved();
    void okClicked();
    void cancelClicked();
    // Esc and the close box restore the face and size, as Cancel.
    void reject() override;

signals:
    void faceChosen(const QString &face);
    void sizeChosen(int size);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void sizeRule();
    void showFace(const QString &face);

    FontFaceDelegate *m_delegate = nullptr;
    FontChooserInput m_input;
    FontChoice m_choice;
    FontChoice m_remembered;
    Ui m_ui;
};
