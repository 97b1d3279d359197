#pragma once
// The texts the connection shows in the status bar, as pure functions.
#include <QString>

#include <cstdint>

// "FSUIPC: 3.456" from 0x34560000; a non-zero low word adds a letter
// (1 gives "a": 0x34560001 shows "FSUIPC: 3.456a").
QString versionText(std::uint32_t version);
// "FS: FSX" for 8; identifiers past the table show their number ("FS: #12").
QString simulatorText(std::uint32_t simulator);
// "FS Clock: 09:05:00".
QString clockText(int hour, int minute, int second);
