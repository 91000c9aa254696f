#pragma once

#include <QByteArray>

// The web remote: one page with its script and style, served by the program itself.
QByteArray remotePageHtml();
