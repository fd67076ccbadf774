#pragma once
// An independent computation of the search's rows, for checking the program's:
// every k-bit mask of n bits, ordered by total seconds and then by the track
// numbers position by position, formatted here from the track texts alone.
#include <QStringList>

struct Expected {
    QStringList store;   // result rows: total text, selection key, selection text
    QStringList listing; // listing rows as the result list shows them
};

// The seconds of a track time text 00:MM:SS; a malformed text is fatal.
int secondsOf(const QString& track);
QString totalText(int seconds);
Expected expectedRows(const QStringList& tracks, int n, int k);
