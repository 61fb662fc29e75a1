// The two help texts, in English, shown by the help windows and spoken in their sound files (the
// build speaks them, and their translations in the catalogues' "HelpTexts" context, into
// "openHelp.WAV" and "saveHelp.WAV", one per language). No Qt needed here: the marker only tells
// the catalogue tools where the texts are.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace lumora {

inline constexpr const char* kOpenHelpText = QT_TRANSLATE_NOOP(
    "HelpTexts",
    "In the Open dialog box, you will see four buttons with the drawings on them. \n\nIF YOUR DRAWING IS "
    "VISIBLE\n\nClick on the button that displays the drawing.  A green box will appear around the drawing that "
    "you have chosen.  If you click on the 'OK' button, your drawing will appear. \n\nIF YOUR DRAWING IS NOT "
    "VISIBLE\n\nClick the button with the blue arrow to see more drawings. Once you have found the button that "
    "displays your drawing, click on it, then click the button labeled 'OK'\n\nIF YOU DON'T WANT TO OPEN A "
    "DRAWING\n\nTo exit the window without opening a drawing, click the button labeled 'Cancel'.");

inline constexpr const char* kSaveHelpText = QT_TRANSLATE_NOOP(
    "HelpTexts",
    "In the Save dialog box, you will see a small version of your drawing. \n\nHOW TO SAVE YOUR DRAWING\n\nClick "
    "on the button labeled 'OK'.  The window will disappear and your drawing will be saved.\n\nWHERE DRAWINGS ARE "
    "SAVED\n\nYour drawings will be saved in a folder called drawings at C:/Quorvane/Lumora/\n\nIF YOU DON'T WANT "
    "TO SAVE YOUR DRAWING\n\nClick the button labeled 'Cancel'.\n\n");

}  // namespace lumora
