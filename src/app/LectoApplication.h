#pragma once

#include <QApplication>

// The application object: a conversion error thrown by any handler ends that handler and is
// shown in an error box, and the program goes on.
class LectoApplication : public QApplication {
    Q_OBJECT
public:
    LectoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
