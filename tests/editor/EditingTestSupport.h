#pragma once

#include "EditorTestSupport.h"

#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorUndoObj.h"
#include "toolkit/gui/QtText.h"

#include <QTest>

#include <string>

namespace kes::test {

// Keys and typed text sent to an editor as the desktop sends them: key events with their
// text, one per character (a character beyond the 16-bit range in one event, as a surrogate
// pair).
inline void TypeText(TEditor& editor, const QString& text) {
    for (char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, &editor, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                            Qt::NoModifier);
}

inline void Key(TEditor& editor, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&editor, key, modifiers);
}

// The code page 932 bytes of a text written in UTF-8 in the test source.
inline std::string Sjis(const char* utf8) {
    return QStringToCp932(QString::fromUtf8(utf8));
}

inline int UndoSteps(const TEditor& editor) {
    return editor.ScreenStrings().UndoObj().UndoList().Count();
}

} // namespace kes::test
