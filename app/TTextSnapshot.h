#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kes {

class TEditorScreenStrings;

// A copy of the text of an editor's rows, exactly as GetTextStr joins them (CR LF after every
// line-end row), gathered in slices of bounded work so that a long text is taken over several
// turns of the event loop. A copy holds one version of the rows: when the rows changed since
// the last slice, the next slice starts again from the top.
class TTextSnapshot {
public:
    // Copies about `budget` more bytes of text (a row end counts as at least one) and returns
    // whether the whole text is taken.
    bool Gather(const TEditorScreenStrings& rows, size_t budget);
    // The version of the rows the copy holds.
    uint64_t Version() const { return version_; }
    // The text gathered so far, in pieces, taken out of the snapshot.
    std::vector<std::string> TakePieces();

private:
    void Restart(const TEditorScreenStrings& rows);

    const TEditorScreenStrings* rows_ = nullptr;
    uint64_t version_ = 0;
    int row_ = 0;
    size_t offset_ = 0;
    std::vector<std::string> pieces_;
};

} // namespace kes
