#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace kes {

// The text without the blanks and control bytes at its ends, as the loading rules trim.
std::string_view TrimBlanks(std::string_view s);

// An ini-style file held in memory: sections in file order, each a list of lines, most of them
// "name=value". The text is code page 932 bytes; section and key names are compared ignoring the
// case of ASCII letters.
//
// Loading a text (from the file at construction, or SetText): every line is trimmed of blanks
// and control bytes at both ends; empty lines and lines starting with ";" are dropped; "[name]"
// opens a section (a second header of the same name continues the first section); a line holding
// "=" loses the blanks around its first "="; lines before the first section are dropped.
// Saving writes each section as its header, its lines and one empty line, CR LF throughout, and
// replaces the file in one step, so a failed save leaves the old file as it was.
//
// Nothing here shows a message: what goes wrong (a file that cannot be read or saved) is
// collected in Problems(), in the user's language, for the caller to show.
class TMemIniFile {
public:
    // Loads the file when it exists; a missing file gives no sections.
    explicit TMemIniFile(QString fileName);
    virtual ~TMemIniFile() = default;
    TMemIniFile(const TMemIniFile&) = delete;
    TMemIniFile& operator=(const TMemIniFile&) = delete;

    const QString& FileName() const { return fileName_; }
    const QStringList& Problems() const { return problems_; }

    // Replaces every section by those of text, read by the loading rules.
    void SetText(std::string_view text);
    // The file's bytes as UpdateFile writes them.
    std::string Text() const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Everything after the first "=" of the key's line; fallback when there is no such line.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Replaces the key's line in place, or appends it to its section, which is added at the end
    // when missing. A line break in the value would split the line in the file: each CR and LF
    // is written as a blank.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // The section's lines as stored; nullptr when there is no such section.
    const std::vector<std::string>* SectionLines(std::string_view section) const;
    void EraseSection(std::string_view section);
    // Adds a section of that name after the others, holding lines as they are.
    void AppendSection(std::string_view section, std::vector<std::string> lines);

    // Writes the file, creating its folder when needed. False, with a problem naming the file,
    // when it could not be written; the file is then as it was before.
    bool UpdateFile();

protected:
    void AddProblem(const QString& message);

private:
    struct Section {
        std::string name;
        std::vector<std::string> lines;
    };

    void Load();
    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);

    QString fileName_;
    std::vector<Section> sections_;
    QStringList problems_;
    // The file exists but could not be read: saving over it would throw the user's settings
    // away, so it is left alone.
    bool unreadable_ = false;
};

} // namespace kes
