#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Finding an installed help file by the name start-up gives it.
namespace sysinfo {

// The help file start-up names; an installed file of its name is looked for.
inline constexpr const char *kHelpFile = "E:\\Lectoscope32 Help files\\Lectosco.hlp";

// The places to look, in order: the name as given, then its file name (after the last
// "\" or "/") in each folder.
QStringList helpFileCandidates(const QString &helpFile, const QStringList &folders);
// Whether the bytes are a text the help window can show (HTML or plain text) rather than a
// binary help file.
bool isShowableHelp(const QByteArray &bytes);

} // namespace sysinfo
