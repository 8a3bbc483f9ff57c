#include "app/TMemIniFile.h"

#include "toolkit/core/Cp932.h"
#include "toolkit/core/TLineSplitter.h"
#include "toolkit/gui/FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kes {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool SameName(std::string_view a, std::string_view b) {
    return Cp932CompareText(a, b) == 0;
}

// The name of a "name=value" line; a line without "=" has none.
bool LineName(std::string_view line, std::string_view& name) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    name = line.substr(0, eq);
    return true;
}

// "[name]" with its brackets being characters of their own: the "]" of a header is never the
// second byte of a double-byte character such as "ゾ".
bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']' &&
           !IsSecondByte(line, line.size() - 1);
}

int FindKeyLine(const std::vector<std::string>& lines, std::string_view key) {
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view name;
        if (LineName(lines[i], name) && SameName(name, key))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

TMemIniFile::TMemIniFile(QString fileName) : fileName_(std::move(fileName)) {
    Load();
}

void TMemIniFile::Load() {
    const QFileInfo info(fileName_);
    if (!info.exists())
        return;
    QFile file(fileName_);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        unreadable_ = true;
        const QString reason =
            info.isDir() ? QString::fromUtf8("フォルダです") : file.errorString();
        AddProblem(QString::fromUtf8("設定ファイル %1 を読み込めません（%2）。"
                                     "初期値で動きますが、このファイルには書き込みません。")
                       .arg(QDir::toNativeSeparators(fileName_), reason));
        return;
    }
    const QByteArray bytes = file.readAll();
    SetText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void TMemIniFile::SetText(std::string_view text) {
    sections_.clear();
    Section* current = nullptr;
    ForEachLine(text, {}, [&](const TTextLine& raw) {
        std::string_view line = TrimBlanks(raw.text);
        if (line.empty() || line.front() == ';')
            return;
        if (IsSectionHeader(line)) {
            const std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
            current = FindSection(name);
            if (!current)
                current = &sections_.emplace_back(Section{std::string(name), {}});
            return;
        }
        if (!current)
            return;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            current->lines.emplace_back(line);
            return;
        }
        std::string stored(TrimBlanks(line.substr(0, eq)));
        stored += '=';
        stored += TrimBlanks(line.substr(eq + 1));
        current->lines.push_back(std::move(stored));
    });
}

std::string TMemIniFile::Text() const {
    std::string text;
    for (const Section& section : sections_) {
        text += '[';
        text += section.name;
        text += "]\r\n";
        for (const std::string& line : section.lines) {
            text += line;
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view name) const {
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return SameName(s.name, name); });
    return it == sections_.end() ? nullptr : &*it;
}

TMemIniFile::Section* TMemIniFile::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool TMemIniFile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    return s && FindKeyLine(s->lines, key) >= 0;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    const Section* s = FindSection(section);
    const int index = s ? FindKeyLine(s->lines, key) : -1;
    if (index < 0)
        return std::string(fallback);
    const std::string& line = s->lines[static_cast<size_t>(index)];
    return line.substr(line.find('=') + 1);
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    Section* s = FindSection(section);
    if (!s)
        s = &sections_.emplace_back(Section{std::string(section), {}});
    std::string line(key);
    line += '=';
    line += value;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const int index = FindKeyLine(s->lines, key);
    if (index < 0)
        s->lines.push_back(std::move(line));
    else
        s->lines[static_cast<size_t>(index)] = std::move(line);
}

const std::vector<std::string>* TMemIniFile::SectionLines(std::string_view section) const {
    const Section* s = FindSection(section);
    return s ? &s->lines : nullptr;
}

void TMemIniFile::EraseSection(std::string_view section) {
    std::erase_if(sections_, [&](const Section& s) { return SameName(s.name, section); });
}

void TMemIniFile::AppendSection(std::string_view section, std::vector<std::string> lines) {
    sections_.push_back(Section{std::string(section), std::move(lines)});
}

bool TMemIniFile::UpdateFile() {
    if (unreadable_)
        return false;
    const QString shown = QDir::toNativeSeparators(fileName_);
    auto fail = [&](const QString& reason) {
        AddProblem(
            QString::fromUtf8("設定ファイル %1 に保存できませんでした（%2）。").arg(shown, reason));
        return false;
    };
    const QString folder = QFileInfo(fileName_).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(
            QString::fromUtf8("フォルダ %1 を作れません").arg(QDir::toNativeSeparators(folder)));
    const QString reason = WriteWholeFile(fileName_, Text());
    if (!reason.isEmpty())
        return fail(reason);
    return true;
}

void TMemIniFile::AddProblem(const QString& message) {
    problems_.append(message);
}

} // namespace kes
