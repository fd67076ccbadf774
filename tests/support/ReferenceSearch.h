#pragma once
// An independent computation of the result list, for checking the program's.
#include <QStringList>

// The listing rows for every choice of k of the given track time texts
// (00:MM:SS), shortest total first, ties by the track numbers.
QStringList referenceListing(const QStringList& tracks, int k);
