#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "autolimits/AutoLimitRecord.h"
#include "autolimits/FileSystem.h"
#include "autolimits/RecordEditor.h"
#include "platform/Platform.h"
#include "platform/RuntimeError.h"

namespace pellory {

// How a table is opened: by the editor, which may write it and holds it locked against other
// editors until it closes it, or for a lookup, which only reads.
enum class TableAccess { Edit, Lookup };

enum class OpenResult {
    Opened,
    Missing,  // a lookup's table that does not exist yet: no records, no message
    Failed,   // reported in one message naming the file and the reason
};

// The yearly automobile caps kept in the record files of the tables' folder: one open table,
// one record buffer and the record cursor. Each operation reports its own failures in a
// message box under the application title and goes on with its next step.
class DataFile {
  public:
    static constexpr const char* kOrdinaryTable = "AutoMax.DAT";
    static constexpr const char* kCleanFuelTable = "Electric.DAT";
    // The start of the name of a Delete's scratch file, which then takes the table's name.
    static constexpr const char* kScratchPrefix = "Temp.tmp";

    // Works on the real files.
    explicit DataFile(Platform& platform);
    // Works through `files`, which must outlive this object.
    DataFile(Platform& platform, FileSystem& files);
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    ~DataFile();

    // Keeps the tables in `folder` rather than where the program's folder leads.
    void UseFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    // The folder given to UseFolder, else the program's folder when it may be written, else
    // the user's data folder.
    std::filesystem::path Folder() const;

    // Opens a table on a new channel and counts its records; a table still open stays open.
    // An editor's table is created empty when missing.
    OpenResult OpenFile(const std::string& name, TableAccess access = TableAccess::Edit);
    // Closes the channel FileNum.
    void CloseFile();
    // Reads from record 1 on until one's year equals `year` exactly; that record stays in the
    // buffer. CurrentRecord does not move.
    bool SearchFile(const std::string& year);
    // Copies the editor's boxes into the buffer, writes it as record CurrentRecord and puts it
    // on the disk before it says so; false, with the failure reported, when it could not.
    bool SaveCurrentRecord(RecordEditor& editor);
    // Reads record CurrentRecord and shows its fields, trimmed, in the editor's boxes.
    void ShowCurrentRecord(RecordEditor& editor);
    // After confirmation, rewrites the table without record CurrentRecord and shows the record
    // now in its place. The table is replaced in one step or not at all.
    void Delete(const std::string& name, RecordEditor& editor);

    // The file `name` stands for in the tables' folder: an entry whose name equals it
    // regardless of letter case, or else a new one of that name. A table's name in another
    // letter case stands for the file its own spelling opens.
    std::filesystem::path PathOf(const std::string& name) const;
    // Whether the channel FileNum holds an open table.
    bool IsOpen() const { return channels_.contains(FileNum); }
    // The records the open table's file holds now: none for an empty file.
    std::int32_t RecordsOnFile() const;
    // The years of the records on file, trimmed, in record order.
    std::vector<std::string> Years() const;

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

    std::string CantOpenText(const std::filesystem::path& path, const RuntimeError& error) const;
    // Writes every record the open table holds but `skipped` to a new scratch file beside it,
    // puts it on the disk and then in the table's place, where it stays open as the table.
    void Rewrite(const std::filesystem::path& table, std::int32_t skipped);
    void RemoveLeftovers(const std::filesystem::path& table);
    void CloseChannel();

    Platform& platform_;
    std::unique_ptr<FileSystem> ownFiles_;
    FileSystem& files_;
    std::map<std::int16_t, std::unique_ptr<RecordFile>> channels_;
    std::optional<std::filesystem::path> folder_;
};

}  // namespace pellory
