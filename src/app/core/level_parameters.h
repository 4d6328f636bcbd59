#pragma once

#include <QtGlobal>

// The numbers the sheets are drawn from, shared by both practice screens for the
// life of the process. Signed 16-bit, and 0 until first assigned.
struct LevelParameters {
    qint16 subRange = 0;
    qint16 numBase = 0;
    qint16 addRange = 0;
    qint16 addOffset = 0;
    qint16 dividendBase = 0;
    qint16 divisorBase = 0;
    qint16 factorOffset = 0;

    bool operator==(const LevelParameters&) const = default;
};
