#include "toolkit/core/Exception.h"

namespace kes {

// The message does not show the index; it is kept in the exception instead.
EStringListError::EStringListError(int index)
    : Exception("リストのインデックスが範囲を超えています"), index_(index) {}

EListError::EListError(int index)
    : Exception("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")"),
      index_(index) {}

EFileError::EFileError(const std::string& fileName, const std::string& reason)
    : Exception(fileName + ": " + reason), fileName_(fileName) {}

} // namespace kes
