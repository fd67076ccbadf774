#include "ReferenceSearch.h"

#include <algorithm>
#include <bit>
#include <vector>

QStringList referenceListing(const QStringList& tracks, int k)
{
    const int n = int(tracks.size());
    if (k < 1 || k > n)
        return {};
    struct Choice {
        int seconds;
        std::vector<int> numbers;
    };
    std::vector<Choice> choices;
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
        if (std::popcount(mask) != k)
            continue;
        Choice choice {0, {}};
        for (int t = 0; t < n; ++t) {
            if (!(mask & (1u << t)))
                continue;
            choice.seconds += tracks[t].mid(3, 2).toInt() * 60 + tracks[t].mid(6, 2).toInt();
            choice.numbers.push_back(t + 1);
        }
        choices.push_back(std::move(choice));
    }
    std::sort(choices.begin(), choices.end(), [](const Choice& a, const Choice& b) {
        return a.seconds != b.seconds ? a.seconds < b.seconds : a.numbers < b.numbers;
    });
    QStringList rows;
    for (const Choice& choice : choices) {
        QStringList numbers;
        for (int t : choice.numbers)
            numbers << QString::number(t);
        rows << QStringLiteral("  %1:%2:%3   %4")
                    .arg(choice.seconds / 3600, 2, 10, QChar(u'0'))
                    .arg(choice.seconds / 60 % 60, 2, 10, QChar(u'0'))
                    .arg(choice.seconds % 60, 2, 10, QChar(u'0'))
                    .arg(numbers.join(u','));
    }
    return rows;
}
