#include "ReferenceSearch.h"

#include <QtGlobal>
#include <algorithm>
#include <bit>
#include <vector>

int secondsOf(const QString& track)
{
    bool hoursOk = false, minutesOk = false, secondsOk = false;
    const int seconds = track.mid(0, 2).toInt(&hoursOk) * 3600 + track.mid(3, 2).toInt(&minutesOk) * 60
        + track.mid(6, 2).toInt(&secondsOk);
    if (track.size() != 8 || !hoursOk || !minutesOk || !secondsOk)
        qFatal("not a track time text: %s", qPrintable(track));
    return seconds;
}

QString totalText(int seconds)
{
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

Expected expectedRows(const QStringList& tracks, int n, int k)
{
    struct Choice {
        int total;
        std::vector<int> numbers;
    };
    std::vector<Choice> choices;
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
        if (std::popcount(mask) != k)
            continue;
        Choice choice {0, {}};
        for (int t = 1; t <= n; ++t) {
            if (mask & (1u << (t - 1))) {
                choice.total += secondsOf(tracks.at(t - 1));
                choice.numbers.push_back(t);
            }
        }
        choices.push_back(choice);
    }
    std::sort(choices.begin(), choices.end(), [](const Choice& a, const Choice& b) {
        if (a.total != b.total)
            return a.total < b.total;
        return std::lexicographical_compare(a.numbers.begin(), a.numbers.end(), b.numbers.begin(), b.numbers.end());
    });

    Expected out;
    for (const Choice& choice : choices) {
        QString key;
        QStringList selection;
        for (const int t : choice.numbers) {
            key += QString::asprintf("%02d", t);
            selection << QString::number(t);
        }
        const QString total = totalText(choice.total);
        out.store << total + key + selection.join(u',');
        out.listing << QStringLiteral("  ") + total + QStringLiteral("   ") + selection.join(u',');
    }
    return out;
}

