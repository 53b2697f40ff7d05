#pragma once

#include "media/RecitationPlayer.h"

#include <QString>

class Platform;
class QWidget;
struct Servers;

// Recitations: the addresses of whole-sura recordings and of verse-range recitations
// on the audio servers, played inside the program (or by the configured player
// command), or fetched to a file for saving.
namespace Listn2Quran {

inline constexpr int WholeSuraReciterCount = 14;
inline constexpr int PartialReciterCount = 2;

// The server folder of a whole-sura reciter row; 0 for a row outside the table.
int wholeSuraFolder(int reciterRow);
// "quran3/<folder>/<sura, three digits>.rm" for the sura index (0 is sura 1).
QString wholeSuraPath(int suraIndex, int reciterRow);
// "cgi-bin/recite.pl?s=<sura>&f=<first>&t=<last>&r=<reciter>".
QString verseRangePath(int sura, int first, int last, int reciterCode);
// The file name a saved recording is offered under: "<sura, three digits>.rm".
QString wholeSuraFileName(int suraIndex);
// A per-verse address template filled in: "{sura:3}" and "{aya:3}" become the
// numbers padded with zeros to three digits, "{sura}" and "{aya}" the plain numbers.
QString verseAddress(const QString &pattern, int sura, int verse);

// What a command plays. With the reciter's per-verse template, one part per verse;
// otherwise the single address above. No parts when no server is set for the reciter.
RecitationPlan wholeSuraPlan(const Servers &servers, int suraIndex, int reciterRow);
RecitationPlan verseRangePlan(const Servers &servers, int sura, int first, int last, int reciterCode);

// Plays the whole sura: with servers.playerCommand set, that program is started with
// the playing address; otherwise the in-program player plays it. Every failure to
// start is told to the reader.
void PlayWholeSura(Platform &platform, const Servers &servers, RecitationPlayer &player, int suraIndex, int reciterRow);
// Asks where to save the recording and fetches it there, showing a small progress
// window (a child of `parent`, deleted when done). With a per-verse template the sura
// is saved as its verse files in a folder named after the sura. Nothing happens when
// the reader cancels the file dialog.
void DownloadWholeSura(Platform &platform, const Servers &servers, int suraIndex, int reciterRow, QWidget *parent);
// Refuses with a message when the first verse comes after the last; otherwise plays
// the range as PlayWholeSura does. True when playing was asked for.
bool PlayVerseRange(Platform &platform, const Servers &servers, RecitationPlayer &player, int sura, int first, int last,
                    int reciterCode);

// The listening entries of the result menu and of the tracker (sura and verse of the
// verse on show). Verse ranges always use reciter code 1.
// listen / read: this verse.
void listenVerse(Platform &platform, const Servers &servers, RecitationPlayer &player, int sura, int verse);
// listen2 / read2: from this verse to the end of the sura.
void listenToSuraEnd(Platform &platform, const Servers &servers, RecitationPlayer &player, int sura, int verse);
// listen3 / read3: the whole sura, by the reciter stored in "ReaderName" (default row 6).
void listenWholeSura(Platform &platform, const Servers &servers, RecitationPlayer &player, int sura);

} // namespace Listn2Quran
