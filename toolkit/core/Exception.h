#pragma once

#include <exception>
#include <string>

namespace kes {

// Base of every failure the program raises. The message is UTF-8 and is what the user sees.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// A value could not be converted (colour names, integers, assignment between classes).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An index into a string list is out of range; the index travels along for diagnostics.
class EStringListError : public Exception {
public:
    explicit EStringListError(int index);
    EStringListError(std::string message, int index) : Exception(std::move(message)), index_(index) {}
    int Index() const { return index_; }

private:
    int index_;
};

// An index into a pointer list or a collection is out of range.
class EListError : public Exception {
public:
    explicit EListError(int index);
    int Index() const { return index_; }

private:
    int index_;
};

// Reading or writing a file failed. The message is "<file name>: <reason>", the reason in
// Japanese ("ファイルを開けません").
class EFileError : public Exception {
public:
    EFileError(const std::string& fileName, const std::string& reason);
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

} // namespace kes
