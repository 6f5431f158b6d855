#pragma once

#include <stdexcept>
#include <string>

namespace pellory {

// The run-time error numbers the program raises; each carries the standard description text
// that the error reports show.
namespace err {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kSubscript = 9;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kBadFileMode = 54;
inline constexpr int kFileAlreadyOpen = 55;
inline constexpr int kDeviceIo = 57;
inline constexpr int kFileExists = 58;
inline constexpr int kDiskFull = 61;
inline constexpr int kBadRecordNumber = 63;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidProperty = 380;
inline constexpr int kInvalidPropertyIndex = 381;
inline constexpr int kNoSuchProperty = 438;
inline constexpr int kPrinter = 482;
}  // namespace err

// The standard description of an error number ("Application-defined or object-defined error"
// for a number outside the catalogue).
std::string ErrorDescription(int number);

// A run-time error: a number and its description. Each procedure catches these where it
// reports them; nothing else is thrown for them.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string description);

    int Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }

  private:
    int number_;
    std::string description_;
};

[[noreturn]] void Raise(int number);

// "Err:" + the number with a leading blank when it is not negative + "[" + description + "]".
std::string EngineErrorText(const RuntimeError& error);

// The number as plain decimal + the fixed text + the description.
std::string ProcedureErrorText(const RuntimeError& error, const std::string& fixedText);

}  // namespace pellory
