#pragma once
// The names of the channel window and of its components that hold the channel table's texts,
// which are the keys of its section in the language files. The printout of the command-line
// companion, which has no window, reads the same keys.

inline constexpr char ChannelWindowName[] = "fChInfo";
inline constexpr char ColumnTitlesName[] = "BColText";  // hidden list of the ten column titles
inline constexpr char DecodeToneListName[] = "cbQT";    // its first item is the None text
inline constexpr char PowerListName[] = "cbfsgl";
inline constexpr char BandwidthListName[] = "cbkz";
inline constexpr char YesNoListName[] = "cbHave";
