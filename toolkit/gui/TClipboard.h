#pragma once

#include <string>
#include <string_view>

namespace kes {

// The desktop clipboard as the editor uses it. The text stays code page 932 with CR LF line
// breaks on this side; on the desktop's side it is Unicode text (UTF-8, LF line breaks), with
// the encoding rules of the README (characters outside the code page as "&#x...;" and back).
// Coming in, CR, LF and CR LF all become CR LF.
//
// A rectangular (box) copy carries the same text plus a private format, the MIME type
// BoxFormat, holding the exact code page 932 bytes followed by a zero byte; its presence marks
// the text as a box, and pasting it gives back exactly those bytes.
class TClipboard {
public:
    static const char* const BoxFormat;

    static bool HasText();
    static bool HasBoxFormat();
    // The clipboard's text; empty when it holds none. With the box format, its exact bytes.
    static std::string Text();
    static void SetText(std::string_view text);
    static void SetBoxText(std::string_view text);
};

// Whether the keys are held now (for the keyboard state the editor asks about).
bool ControlKeyDown();
bool ShiftKeyDown();
bool EscapeKeyDown();

} // namespace kes
