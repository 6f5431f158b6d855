#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "autolimits/AutoLimitRecord.h"
#include "autolimits/FileSystem.h"
#include "autolimits/RecordEditor.h"
#include "platform/Platform.h"
#include "platform/RuntimeError.h"

namespace pellory {

// The yearly automobile caps kept in the record files of the program's folder: one open table,
// one record buffer and the record cursor. Each operation reports its own failures in a message
// box under the application title and goes on with its next step.
class DataFile {
  public:
    static constexpr const char* kOrdinaryTable = "AutoMax.DAT";
    static constexpr const char* kCleanFuelTable = "Electric.DAT";
    static constexpr const char* kScratchName = "Temp.tmp";

    // Works on the real files of the program's folder.
    explicit DataFile(Platform& platform);
    // Works through `files`, which must outlive this object.
    DataFile(Platform& platform, FileSystem& files);
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    ~DataFile();

    // Opens a table of the program's folder (created empty when missing) on a new channel and
    // counts its records; a table still open stays open.
    void OpenFile(const std::string& name);
    // Closes the channel FileNum.
    void CloseFile();
    // Reads from record 1 on until one's year equals `year` exactly; that record stays in the
    // buffer. CurrentRecord does not move.
    bool SearchFile(const std::string& year);
    // Copies the editor's boxes into the buffer and writes it as record CurrentRecord; false
    // when the record could not be written (then nothing of it is written).
    bool SaveCurrentRecord(RecordEditor& editor);
    // Reads record CurrentRecord and shows its fields, trimmed, in the editor's boxes.
    void ShowCurrentRecord(RecordEditor& editor);
    // After confirmation, rewrites the table without record CurrentRecord and shows the record
    // now in its place. The table is replaced in one step or not at all.
    void Delete(const std::string& name, RecordEditor& editor);

    // The file `name` stands for in the program's folder: an entry whose name equals it
    // regardless of letter case, or else a new one of that name. A table's name in another
    // letter case stands for the file its own spelling opens.
    std::filesystem::path PathOf(const std::string& name) const;
    // Whether the channel FileNum holds an open table.
    bool IsOpen() const { return channels_.contains(FileNum); }

    std::int16_t FileNum = 0;
    std::int32_t CurrentRecord = 0;
    std::int32_t RecordCount = 0;
    std::int32_t RecordLength = static_cast<std::int32_t>(AutoLimitRecord::kLength);
    AutoLimitRecord Buffer;

  private:
    DataFile(Platform& platform, std::unique_ptr<FileSystem> own, FileSystem* files);

    std::int16_t FreeChannel() const;
    RecordFile& Channel(std::int16_t number) const;
    static AutoLimitRecord ReadRecord(RecordFile& file, std::int32_t number);
    static void WriteRecord(RecordFile& file, std::int32_t number, const AutoLimitRecord& record);
    void Report(const RuntimeError& error, const std::string& fixedText) const;

    // Writes every record of the open table but `skipped` to a new scratch file and closes it.
    void WriteCopy(const std::filesystem::path& scratch, std::int32_t skipped) const;
    void CloseChannel();

    Platform& platform_;
    std::unique_ptr<FileSystem> ownFiles_;
    FileSystem& files_;
    std::map<std::int16_t, std::unique_ptr<RecordFile>> channels_;
};

}  // namespace pellory
