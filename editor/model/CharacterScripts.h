#pragma once
// The scripts whose characters the Character dialog offers, each named by a
// string of the program's string table. The first is the program's own code
// page, the characters 32 to 255 as they have always been offered; the others
// are blocks of the Unicode standard, offered only where the program's text
// is UTF-8, since no other code page holds them. Window-free.
#include <string>
#include <vector>

struct CharacterScript {
  unsigned nameId;           // string table id of the script's name
  std::vector<unsigned> codes;  // the codes of its cells, in order
};

// The scripts the program's text encoding can hold: all of them with UTF-8
// text, the code page's own one otherwise. A cell's code is a Unicode code
// point with UTF-8 text, and a byte of the code page otherwise.
std::vector<CharacterScript> characterScripts();

// The text that a cell's code inserts, in the program's text encoding.
std::string characterText(unsigned code);

