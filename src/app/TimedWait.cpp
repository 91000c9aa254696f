// The timed wait: every seconds-long pause of a play waits on ticks of the one-second
// Timer2 while letting window messages run.
#include "app/Mainform.h"

#include "platform/Platform.h"

#include <QTimer>

void TForm1::Startdelay(int seconds) {
    DelayLeft = seconds;
    Timer2->setInterval(platform::secondMs());
    Timer2->start();
    // A wait started inside this one replaces DelayLeft; when it ends both are over.
    while (DelayLeft > 0)
        platform::waitForMessages();
    Timer2->stop();
}

void TForm1::Timer2Timer() {
    DelayLeft -= 1;
    // The wait is over: no further tick may arrive before the waiting loop sees it (a
    // handler that pumps messages could otherwise let the timer fire once more).
    if (DelayLeft <= 0)
        Timer2->stop();
}
