#include "platform/RuntimeError.h"

#include <array>
#include <utility>

namespace pellory {

namespace {

struct Entry {
    int number;
    const char* description;
};

constexpr std::array kCatalogue{
    Entry{err::kInvalidCall, "Invalid procedure call or argument"},
    Entry{err::kOverflow, "Overflow"},
    Entry{err::kSubscript, "Subscript out of range"},
    Entry{err::kDivisionByZero, "Division by zero"},
    Entry{err::kTypeMismatch, "Type mismatch"},
    Entry{err::kBadFileName, "Bad file name or number"},
    Entry{err::kFileNotFound, "File not found"},
    Entry{err::kBadFileMode, "Bad file mode"},
    Entry{err::kFileAlreadyOpen, "File already open"},
    Entry{err::kDeviceIo, "Device I/O error"},
    Entry{err::kFileExists, "File already exists"},
    Entry{err::kDiskFull, "Disk full"},
    Entry{err::kBadRecordNumber, "Bad record number"},
    Entry{err::kPermissionDenied, "Permission denied"},
    Entry{err::kPathFileAccess, "Path/File access error"},
    Entry{err::kPathNotFound, "Path not found"},
    Entry{err::kInvalidProperty, "Invalid property value"},
    Entry{err::kInvalidPropertyIndex, "Invalid property array index"},
    Entry{err::kNoSuchProperty, "Object doesn't support this property or method"},
    Entry{err::kPrinter, "Printer error"},
};

}  // namespace

std::string ErrorDescription(int number) {
    for (const auto& entry : kCatalogue) {
        if (entry.number == number) {
            return entry.description;
        }
    }
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

void Raise(int number) {
    throw RuntimeError(number);
}

std::string EngineErrorText(const RuntimeError& error) {
    const std::string number = std::to_string(error.Number());
    return "Err:" + (error.Number() >= 0 ? " " + number : number) + "[" + error.Description() + "]";
}

std::string ProcedureErrorText(const RuntimeError& error, const std::string& fixedText) {
    return std::to_string(error.Number()) + fixedText + error.Description();
}

}  // namespace pellory
