#pragma once

#include "toolkit/core/TPersistent.h"

#include <string>
#include <string_view>

namespace kes {

// The abstract list of lines: indexed text access, update counting and text import and
// export. Descendants provide the storage (Get, GetCount, Insert, Delete, Clear) and may
// override the rest. Lines are CP932 byte strings.
class TStrings : public TPersistent {
public:
    virtual std::string Get(int index) const = 0;
    virtual int GetCount() const = 0;
    virtual void Put(int index, const std::string& s);
    virtual TObject* GetObject(int /*index*/) const { return nullptr; }
    virtual void PutObject(int /*index*/, TObject* /*object*/) {}
    virtual int GetCapacity() const { return GetCount(); }
    virtual void SetCapacity(int /*capacity*/) {}

    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int a, int b);
    virtual int IndexOf(std::string_view s) const;
    void Move(int from, int to);
    void AddStrings(const TStrings& strings);

    // Every line followed by CR LF.
    virtual std::string GetTextStr() const;
    // Replaces the lines; CR, LF and CR LF each end a line, a final break adds no line.
    virtual void SetTextStr(std::string_view text);

    // Nested updates: SetUpdateState runs only when the counter goes 0 -> 1 and 1 -> 0.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    void Assign(TPersistent* source) override;

    // Comma text: items separated by commas, quoted with '"' when they hold blanks, commas
    // or quotes ('""' inside quotes stands for one quote).
    std::string CommaText() const;
    void SetCommaText(std::string_view text);

    // Whole-file reading (with the one text-file loader: a Ctrl-Z ends the text, a NUL before
    // it refuses the file) and writing, with the same line rules as the text; failures raise
    // EFileError naming the file.
    virtual void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    int Count() const { return GetCount(); }
    std::string Strings(int index) const { return Get(index); }
    std::string Text() const { return GetTextStr(); }
    void SetText(std::string_view text) { SetTextStr(text); }

protected:
    virtual void SetUpdateState(bool /*updating*/) {}
    // Ignores the case of ASCII letters, never folding a trail byte.
    virtual int CompareStrings(std::string_view a, std::string_view b) const;

private:
    int updateCount_ = 0;
};

} // namespace kes
