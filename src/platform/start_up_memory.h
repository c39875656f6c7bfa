#pragma once

// Has every thread started from now on allocate from the heaps there are. The
// helper threads (phrase book, recordings, sound server) allocate little, but
// a heap of their own would keep the pages of all they ever freed. The font
// configuration thread, started before, keeps a heap of its own: sharing one
// with the display connection's set-up slows both.
void allocateFromOneHeap();

// Gives back memory that start-up used and the program no longer needs: heap
// pages that start-up's temporaries left free, and the pages of the font files
// that drawing the first glyphs mapped. Qt keeps every glyph it has drawn, so
// only a new character reads a font again; the glyphs of a Japanese font lie
// far apart in its file, and the system maps 64 KiB around each page read, so
// later reads are asked to map only the page they need. The font pages stay
// in the system's file cache.
void releaseStartUpMemory();
