#pragma once

// Has every thread allocate from the one heap of the program, called before
// any thread starts. The helper threads (font configuration, phrase book,
// recordings, sound server) allocate little, but a heap of their own keeps
// the pages of all they ever freed: a long phrase book read where the font
// configuration thread had left a heap of its own kept 5 MiB more, in some
// starts and not in others. Sharing one heap costs the start no measurable
// time.
void allocateFromOneHeap();

// Gives back memory that start-up used and the program no longer needs: heap
// pages that start-up's temporaries left free, the pages of the program's own
// code that building the window ran, and the pages of the font files that
// drawing the first glyphs mapped. Qt keeps every glyph it has drawn, so
// only a new character reads a font again; the glyphs of a Japanese font lie
// far apart in its file, and the system maps 64 KiB around each page read, so
// later reads are asked to map only the page they need. The font pages stay
// in the system's file cache.
void releaseStartUpMemory();
