// The Play command and its relatives on the main window.
#include "app/Mainform.h"

// TODO(play): launch, loop mode, estimate.
void TForm1::RunTelePrompter1Click() {}
void TForm1::PlaybuttonClick() {
    RunTelePrompter1Click();
}
void TForm1::SpeedButton3Click() {}
void TForm1::showEstimate() {}
void TForm1::vdelayit(int) {}
void TForm1::chkcrt() {}
