#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace platform {

// Which connected screen is the output screen, and how screens are named and shown: plain
// functions over the screens' names, so that they are tested without screens.

// The names the program shows and stores: the toolkit's names in its order, a name that
// repeats an earlier one followed by " (2)", " (3)" and so on (two X screens of one server
// may both be called "screen"), an empty one as "Screen" and its number.
QStringList uniqueScreenNames(const QStringList &toolkitNames);

struct OutputScreenChoice {
    int index = -1;        // into the names; -1 only when there are none
    bool notFound = false; // a name was remembered but no screen of that name is connected
};

// The screen named `remembered` when it is connected; otherwise the console's screen
// (`console`, held inside the list).
OutputScreenChoice chooseOutputScreen(const QStringList &names, const QString &remembered,
                                      int console);

// How a screen is listed: its name and size, "HDMI-1 1920 x 1080".
QString screenCaption(const QString &name, QSize size);

} // namespace platform
