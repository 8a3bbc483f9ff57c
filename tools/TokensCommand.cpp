#include "tools/ToolCommand.h"

#include "fountain/TEditorFountain.h"
#include "fountain/TFountainParser.h"
#include "fountain/TMailFountain.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorWrapOption.h"
#include "textmodel/THeadlessEditor.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/TLineSplitter.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace kes::tool {

namespace {

// Cuts the loaded text into rows as Lines does: every line a raLineEnd row, the last one
// raTextEnd when no line break ends the text.
void LoadRows(std::string_view text, TEditorStringList& rows) {
    WithUpdate(rows, [&] {
        bool broken = true;
        ForEachLine(text, {}, [&](const TTextLine& line) {
            rows.Add(std::string(line.text));
            broken = line.broken;
        });
        if (!broken)
            rows.SetRowAttributes(rows.Count() - 1, raTextEnd);
    });
}

// Re-cuts the rows as the editor's word wrap does at the given width (the other wrap options
// at their defaults), so that tokens carried over wrapped rows show.
void WrapRows(TEditorStringList& rows, int width) {
    THeadlessEditor editor;
    TEditorScreenStrings& screen = editor.Rows();
    screen.WrapOption().SetWrapByte(width);
    for (int i = 0; i < rows.Count(); ++i)
        screen.SetRowAttributes(screen.Add(rows.Get(i)), rows.RowAttributes(i));
    screen.SetWordWrap(true);
    rows.Clear();
    for (int i = 0; i < screen.Count(); ++i)
        rows.SetRowAttributes(rows.Add(screen.Get(i)), screen.RowAttributes(i));
}

class Output {
public:
    ~Output() { Flush(); }
    void Line(int row, int pos, int length, int kind) {
        Number(row);
        buffer_ += '\t';
        Number(pos);
        buffer_ += '\t';
        Number(length);
        buffer_ += '\t';
        Number(kind);
        buffer_ += '\n';
        if (buffer_.size() >= (1 << 20))
            Flush();
    }
    bool Flush() {
        if (!buffer_.empty() &&
            std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size())
            failed_ = true;
        buffer_.clear();
        return !failed_ && std::fflush(stdout) == 0;
    }

private:
    void Number(int n) {
        char digits[12];
        int k = 0;
        do {
            digits[k++] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n > 0);
        while (k > 0)
            buffer_ += digits[--k];
    }
    std::string buffer_;
    bool failed_ = false;
};

int RunTokens(const std::vector<std::string>& args) {
    std::string fountainName = "mail";
    std::string path;
    bool havePath = false;
    int wrapWidth = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--wrap") {
            const std::string number = i + 1 < args.size() ? args[++i] : std::string();
            auto [end, error] =
                std::from_chars(number.data(), number.data() + number.size(), wrapWidth);
            if (number.empty() || error != std::errc() || end != number.data() + number.size())
                return Fail("tokens", "--wrap needs a number");
        } else if (arg == "--fountain" && i + 1 < args.size()) {
            fountainName = args[++i];
        } else if (arg.rfind("--fountain=", 0) == 0) {
            fountainName = arg.substr(11);
        } else if ((arg.size() > 1 && arg[0] == '-') || havePath) {
            return Fail("tokens", "unexpected argument '" + arg + "'");
        } else {
            path = arg;
            havePath = true;
        }
    }
    std::unique_ptr<TFountain> fountain;
    if (fountainName == "mail") {
        // The application's scheme with the styles it is designed with.
        auto mail = std::make_unique<TMailFountain>(nullptr);
        mail->Reserve()->SetStyle(fsBold);
        mail->Mail()->SetStyle(fsUnderline);
        mail->Url()->SetStyle(fsUnderline);
        fountain = std::move(mail);
    } else if (fountainName == "editor") {
        fountain = std::make_unique<TEditorFountain>(nullptr);
    } else {
        return Fail("tokens", "unknown fountain '" + fountainName + "' (mail or editor)");
    }

    TEditorStringList rows;
    {
        std::optional<std::string> data = ReadTextInput(path);
        if (!data)
            return 2;
        LoadRows(*data, rows);
    }
    if (wrapWidth > 0)
        WrapRows(rows, wrapWidth);

    // The state at the start of every row, from the top, as the screen rows keep it.
    std::unique_ptr<TFountainParser> parser = fountain->CreateParser();
    TRowAttributeData data = TRowAttributeData::TextStart();
    for (int i = 0; i < rows.Count(); ++i) {
        data.RowAttribute = rows.RowAttributes(i);
        rows.SetRowData(i, data);
        parser->NextRowData(i, rows, data);
        data.PrevRowAttribute = rows.RowAttributes(i);
    }

    // Every row's tokens as the painter gets them: a wrapped row with the next row's text
    // behind it, up to the first token that starts beyond the row.
    std::unique_ptr<TFountainParser> painter = fountain->CreateParser();
    Output out;
    std::string text;
    for (int i = 0; i < rows.Count(); ++i) {
        std::string_view row = rows.View(i);
        const int length = static_cast<int>(row.size());
        text.assign(row);
        if (rows.RowAttributes(i) == raContinued && i + 1 < rows.Count())
            text.append(rows.View(i + 1));
        painter->NewData(text, rows.RowData(i));
        while (painter->NextToken() != ttEnd && painter->SourcePos() < length)
            out.Line(i, painter->SourcePos(), painter->TokenLength(), painter->Token());
    }
    if (!out.Flush())
        return Fail("tokens", "cannot write the output");
    return 0;
}

const ToolCommand tokens{"tokens", "[--fountain mail|editor] [--wrap N] [FILE]", &RunTokens};

} // namespace

} // namespace kes::tool
