#pragma once
// The main window's texts that the printout also reads: the form's name (its section in the
// language files) and the design captions of the model and band labels.

inline constexpr char MainWindowFormName[] = "fMainFrm";
inline constexpr char ModelLabelName[] = "lMode";
inline constexpr char ModelLabelCaption[] = "Model Type: ";
inline constexpr char BandLabelName[] = "Label4";
inline constexpr char BandLabelCaption[] = "Frequency: ";
