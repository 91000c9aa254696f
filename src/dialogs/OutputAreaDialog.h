#pragma once

#include "dialogs/ValueDialog.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;

// The output window dialog, in two modes. Output mode ("Adjust Output Window Size"): two
// bars set the output window's width and height, the window centred on the screen, drawn
// as a box on a one-sixth preview of the screen. Fade mode ("Adjust fading text screen
// position"): the bars set the title's position, which can also be dragged as a marker on
// the preview, and "Auto Center" and "Position in lower third" place it automatically.
//
// It takes the rectangle and switches in and hands them back: an operator's move of a bar
// and the two boxes apply to the values at once, OK takes the bars' positions, Cancel (or
// Esc) hands back the values as they were when the dialog opened, and the close box keeps
// what was changed without the OK steps.
class OutputAreaDialog : public ValueDialog {
    Q_OBJECT
public:
    explicit OutputAreaDialog(QWidget *parent = nullptr);

    // Shows the dialog modally; how it was closed and the values then.
    OutputAreaResult execute(const OutputAreaRequest &request);
    const OutputAreaValues &values() const { return m_values; }
    bool fadeMode() const { return m_request.fadeMode; }

    // The controls, each named as its objectName.
    struct Ui {
        QSlider *horizontalBar = nullptr; // width, or the title's horizontal position
        QSlider *verticalBar = nullptr;   // height, or the title's vertical position
        QLabel *horizontalCaption = nullptr, *horizontalValue = nullptr, *verticalCaption = nullptr,
               *verticalValue = nullptr, *horizontalMaximum = nullptr, *verticalMaximum = nullptr,
               *leftLabel = nullptr, *topLabel = nullptr, *rightLabel = nullptr,
               *bottomLabel = nullptr;
        QLabel *preview = nullptr;     // the preview
        QLabel *titleMarker = nullptr; // the title's marker on the preview
        QCheckBox *autoCenterBox = nullptr, *lowerThirdBox = nullptr;
        QPushButton *okButton = nullptr, *cancelButton = nullptr; // OK, Cancel
    };
    const Ui &ui() const { return m_ui; }

    void showValues();
    void horizontalBarMoved();
    void verticalBarMoved();
    void autoCenterClicked();
    void lowerThirdClicked();
    void okClicked();
    void cancelClicked();
    // The automatic placement of the title from the two switches.
    void placeTitleByChecks();
    // The marker dragged to this point of the preview.
    void dragMarkerTo(QPoint point);

signals:
    // The values as they stand after each change while the dialog is open: the settings
    // take them at once.
    void valuesChanged(const OutputAreaValues &values, OutputAreaChange change);

protected:
    void showEvent(QShowEvent *event) override;
    void cancel() override { cancelClicked(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setOuterSize(QSize preview);
    void setBarRanges(int min1, int max1, int min2, int max2);
    void barMoved(QLabel *label, int position);
    void showCoordinates();
    void drawBox();
    void clearPreview();
    void placeMarker();
    void barsFromPosition();
    void placeByBoxes();

    OutputAreaRequest m_request;
    OutputAreaValues m_values;
    OutputAreaValues m_remembered;
    int m_editorWidth = 0;
    bool m_dragging = false;
    Ui m_ui;
};
