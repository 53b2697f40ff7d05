#pragma once

#include <QString>

class Platform;
class QWidget;
struct Servers;

// Recitations: the addresses of whole-sura recordings and of verse-range recitations
// on the audio servers, handed to the player (or, for saving, fetched to a file).
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

// Starts the player (servers.playerCommand, empty: the desktop's default handler)
// with the playing address of a whole sura.
void PlayWholeSura(Platform &platform, const Servers &servers, int suraIndex, int reciterRow);
// Asks where to save the recording and fetches it there, showing a small progress
// window (a child of `parent`, deleted when done). Nothing happens when the reader
// cancels the file dialog.
void DownloadWholeSura(Platform &platform, const Servers &servers, int suraIndex, int reciterRow, QWidget *parent);
// Refuses with a message when the first verse comes after the last; otherwise starts
// the player with the verse-range address. True when the player was asked.
bool PlayVerseRange(Platform &platform, const Servers &servers, int sura, int first, int last, int reciterCode);

// The listening entries of the result menu and of the tracker (sura and verse of the
// verse on show). Verse ranges always use reciter code 1.
// listen / read: this verse.
void listenVerse(Platform &platform, const Servers &servers, int sura, int verse);
// listen2 / read2: from this verse to the end of the sura.
void listenToSuraEnd(Platform &platform, const Servers &servers, int sura, int verse);
// listen3 / read3: the whole sura, by the reciter stored in "ReaderName" (default row 6).
void listenWholeSura(Platform &platform, const Servers &servers, int sura);

} // namespace Listn2Quran
