// Centring of the script: the "Center Text" menu item and the "Center" tool button.
#include "app/Mainform.h"

#include "editor/ScriptEditor.h"

#include <QAction>
#include <QToolButton>

void TForm1::CenterText1Click() {
    ToolButton7->setChecked(!ToolButton7->isChecked());
    applyCenteringState();
}

void TForm1::ToolButton7Click() {
    applyCenteringState();
}

void TForm1::applyCenteringState() {
    const bool down = ToolButton7->isChecked();
    CenterText1->setChecked(down);
    Memo1->setCentered(down);
    Centering = down;
}
