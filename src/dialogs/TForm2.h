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
class TForm2 : public ValueDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // Shows the dialog modally; how it was closed and the values then.
    OutputWindowResult execute(const OutputWindowRequest &request);
    const OutputWindowValues &values() const { return m_values; }
    bool fadeMode() const { return m_request.fadeMode; }

    QSlider *TrackBar1 = nullptr; // width, or the title's horizontal position
    QSlider *TrackBar2 = nullptr; // height, or the title's vertical position
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr;
    QLabel *pb2 = nullptr;    // the preview
    QLabel *Panel1 = nullptr; // the title's marker on the preview
    QCheckBox *centerfade = nullptr, *lowerthird = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr; // OK, Cancel

    void FormShow();
    void TrackBar1Change();
    void TrackBar2Change();
    void centerfadeClick();
    void lowerthirdClick();
    void BitBtn1Click();
    void BitBtn2Click();
    // The automatic placement of the title from the two switches.
    void setform2checks();
    // The marker dragged to this point of the preview.
    void pb2DragOver(QPoint point);

protected:
    void showEvent(QShowEvent *event) override;
    void cancel() override { BitBtn2Click(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setBarRanges(int min1, int max1, int min2, int max2);
    void barMoved(QLabel *label, int position);
    void showCoordinates();
    void drawBox();
    void clearPreview();
    void placeMarker();
    void barsFromPosition();
    void placeByBoxes();

    OutputWindowRequest m_request;
    OutputWindowValues m_values;
    OutputWindowValues m_remembered;
    int m_editorWidth = 0;
    bool m_dragging = false;
};
