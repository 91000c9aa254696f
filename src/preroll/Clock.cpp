// The screen clock and the auto-start timer.
#include "app/Mainform.h"

// TODO(clock): clock tick, auto start and the two dialogs.
void TForm1::Timer1Timer() {}
int TForm1::CalcBarTime() {
    return 0;
}
void TForm1::ToggleScreenClockOnClick() {}
void TForm1::StartbyAutoTimer1Click() {}
void TForm1::SetAutoStartTime1Click() {}
void TForm1::SetColorBarTime1Click() {}
