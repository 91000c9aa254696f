// Closing the main window and the two exit commands.
#include "app/Mainform.h"

#include <QCloseEvent>

// TODO(exit): the save question and its answers.
bool TForm1::FormCloseQuery() {
    return true;
}
void TForm1::FormClose() {}
void TForm1::Exit1Click() {}
bool TForm1::Exit2Click() {
    return true;
}

void TForm1::closeEvent(QCloseEvent *event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}
