#pragma once
// The combination search.

// Lists every choice of SelectCount tracks out of the first TrackCount tracks
// of the track store, shortest total first: one result row per choice in the
// sorted result store, one listing row per result row in the result list.
// Both lists must be empty at the call. SelectCount outside 1..17, above
// TrackCount, or a TrackCount above 17 lists nothing.
void ListCombinations(int TrackCount, int SelectCount);
