#pragma once

#include <QString>

// The award of a sheet's count of right answers: 0 (0-5), 1 (6-9), 2 (10-15),
// 3 (16-17) or 4 (18). Award k plays award sound k.
int awardFor(int count);
QString awardMessage(int award);
