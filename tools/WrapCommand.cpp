#include "tools/ToolCommand.h"

#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorStrings.h"
#include "textmodel/TEditorWrapOption.h"
#include "textmodel/THeadlessEditor.h"
#include "toolkit/core/Exception.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace kes::tool {

namespace {

// A number too large for an int saturates, so that the editor's clamps apply to it as to
// any other out-of-range value.
bool ParseNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    long long wide = 0;
    auto [p, error] = std::from_chars(text.data(), end, wide);
    if (p != end || (error != std::errc() && error != std::errc::result_out_of_range))
        return false;
    if (error == std::errc::result_out_of_range)
        wide = text[0] == '-' ? std::numeric_limits<long long>::min()
                              : std::numeric_limits<long long>::max();
    value = static_cast<int>(std::clamp<long long>(wide, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
    return true;
}

// Loads the file, or standard input, the way the editor does.
void Load(THeadlessEditor& editor, const std::string& path) {
    if (IsStandardInput(path))
        editor.Lines().LoadFromStream(stdin, "standard input");
    else
        editor.Lines().LoadFromFile(path);
}

int RunWrap(const std::vector<std::string>& args) {
    int width = 80;
    int tab = 8;
    bool wrap = true;
    bool leading = false;
    bool followPunctuation = false;
    bool followRetMark = false;
    bool wordBreak = false;
    std::string path;
    bool havePath = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--width" || arg == "--tab") {
            if (i + 1 >= args.size() || !ParseNumber(args[i + 1], arg == "--width" ? width : tab))
                return Fail("wrap", arg + " needs a number");
            ++i;
        } else if (arg == "--leading") {
            leading = true;
        } else if (arg == "--follow-punctuation") {
            followPunctuation = true;
        } else if (arg == "--follow-retmark") {
            followRetMark = true;
        } else if (arg == "--word-break") {
            wordBreak = true;
        } else if (arg == "--no-wrap") {
            wrap = false;
        } else if ((arg.size() > 1 && arg[0] == '-') || havePath) {
            return Fail("wrap", "unexpected argument '" + arg + "'");
        } else {
            path = arg;
            havePath = true;
        }
    }

    THeadlessEditor editor;
    editor.SetTabSpaceCount(tab);
    TEditorScreenStrings& rows = editor.Rows();
    rows.SetWordWrap(wrap);
    TEditorWrapOption& option = rows.WrapOption();
    option.SetWrapByte(width);
    option.SetLeading(leading);
    option.SetFollowPunctuation(followPunctuation);
    option.SetFollowRetMark(followRetMark);
    option.SetWordBreak(wordBreak);
    try {
        Load(editor, path);
    } catch (const Exception& e) {
        return Fail("wrap", e.Message());
    }

    std::string out;
    for (int i = 0; i < rows.GetCount(); ++i) {
        TRowAttribute attribute = rows.RowAttributes(i);
        out += attribute == raContinued ? 'C' : attribute == raTextEnd ? 'T' : 'L';
        out += '\t';
        out += rows.View(i);
        out += '\n';
        if (out.size() >= (1 << 20) || i == rows.GetCount() - 1) {
            if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size())
                return Fail("wrap", "cannot write the output");
            out.clear();
        }
    }
    if (std::fflush(stdout) != 0)
        return Fail("wrap", "cannot write the output");
    return 0;
}

const ToolCommand wrap{"wrap",
                       "[--width N] [--tab N] [--leading] [--follow-punctuation] "
                       "[--follow-retmark] [--word-break] [--no-wrap] [FILE]",
                       &RunWrap};

} // namespace

} // namespace kes::tool
