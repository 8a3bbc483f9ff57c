#include "toolkit/core/TStrings.h"

#include "toolkit/core/Cp932.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/TLineSplitter.h"
#include "toolkit/core/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace kes {

void TStrings::Put(int index, const std::string& s) {
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

int TStrings::Add(const std::string& s) {
    int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::Exchange(int a, int b) {
    BeginUpdate();
    std::string sa = Get(a);
    TObject* oa = GetObject(a);
    Put(a, Get(b));
    PutObject(a, GetObject(b));
    Put(b, sa);
    PutObject(b, oa);
    EndUpdate();
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

void TStrings::Move(int from, int to) {
    if (from == to)
        return;
    BeginUpdate();
    std::string s = Get(from);
    TObject* object = GetObject(from);
    Delete(from);
    InsertObject(to, s, object);
    EndUpdate();
}

void TStrings::AddStrings(const TStrings& strings) {
    BeginUpdate();
    for (int i = 0; i < strings.GetCount(); ++i)
        AddObject(strings.Get(i), strings.GetObject(i));
    EndUpdate();
}

std::string TStrings::GetTextStr() const {
    std::string text;
    for (int i = 0; i < GetCount(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetTextStr(std::string_view text) {
    WithUpdate(*this, [&] {
        Clear();
        ForEachLine(text, {}, [this](const TTextLine& line) { Add(std::string(line.text)); });
    });
}

void TStrings::BeginUpdate() {
    if (updateCount_ == 0)
        SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    --updateCount_;
    if (updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::Assign(TPersistent* source) {
    if (auto* strings = dynamic_cast<TStrings*>(source)) {
        BeginUpdate();
        Clear();
        AddStrings(*strings);
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

std::string TStrings::CommaText() const {
    std::string out;
    for (int i = 0; i < GetCount(); ++i) {
        std::string s = Get(i);
        bool quote = s.empty() && GetCount() > 1;
        for (size_t k = 0; k < s.size() && !quote; ++k) {
            unsigned char c = static_cast<unsigned char>(s[k]);
            if (CharLength(s, k) == 2) {
                ++k;
                continue;
            }
            quote = c <= ' ' || c == ',' || c == '"';
        }
        if (i > 0)
            out += ',';
        if (!quote) {
            out += s;
            continue;
        }
        out += '"';
        for (char c : s) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

void TStrings::SetCommaText(std::string_view text) {
    BeginUpdate();
    Clear();
    size_t p = 0;
    auto skipBlanks = [&] {
        while (p < text.size() && static_cast<unsigned char>(text[p]) <= ' ')
            ++p;
    };
    skipBlanks();
    while (p < text.size()) {
        std::string item;
        if (text[p] == '"') {
            ++p;
            while (p < text.size()) {
                if (text[p] == '"') {
                    if (p + 1 < text.size() && text[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                if (CharLength(text, p) == 2)
                    item += text[p++];
                item += text[p++];
            }
        } else {
            while (p < text.size() && static_cast<unsigned char>(text[p]) > ' ' && text[p] != ',') {
                if (CharLength(text, p) == 2)
                    item += text[p++];
                item += text[p++];
            }
        }
        Add(item);
        skipBlanks();
        if (p < text.size() && text[p] == ',') {
            ++p;
            skipBlanks();
            if (p >= text.size())
                Add(std::string());
        }
    }
    EndUpdate();
}

void TStrings::LoadFromFile(const std::string& fileName) {
    SetTextStr(LoadTextFile(fileName));
}

void TStrings::SaveToFile(const std::string& fileName) const {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out)
        throw EFileError(fileName,
                         std::string("ファイルを作成できません (") + std::strerror(errno) + ")");
    std::string text = GetTextStr();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        throw EFileError(fileName, "ファイルに書き込めません");
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
    return Cp932CompareText(a, b);
}

} // namespace kes
