#pragma once
// What the program's strings in memory hold: code page 1252 (Windows
// Western), as on every system before, or UTF-8, when the program runs with
// UTF-8 as its ANSI code page. The program sets it once at start, before any
// list is read; everything that interprets text in memory follows it.
// Window-free.

enum class TextEncoding { kCp1252, kUtf8 };

// kCp1252 until setProgramEncoding says otherwise.
TextEncoding programEncoding();
void setProgramEncoding(TextEncoding encoding);
