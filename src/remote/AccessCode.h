#pragma once

#include <QString>
#include <QStringView>

#include <array>

// The remote control's access code: 128 random bits written as 26 letters and digits (five
// bits a character, the two spare bits zero) from an alphabet without the letters that read
// as digits (I, L, O) and without U.
namespace remote {

inline constexpr int kAccessCodeLength = 26;

// A new code from the operating system's cryptographic random source.
QString makeAccessCode();
// The code of these 128 bits, most significant word first.
QString accessCodeFromBits(const std::array<quint32, 4> &bits);
// 26 characters of the alphabet.
bool isAccessCode(QStringView text);
// Whether a remote gave the code. The time taken depends only on the length of what was
// given, never on how much of it matches. Small letters count as capitals.
bool accessCodeMatches(QStringView given, QStringView code);

} // namespace remote
