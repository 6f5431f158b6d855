#include "autolimits/DataFile.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <utility>

#include "autolimits/TableFolder.h"
#include "platform/ErrorReport.h"

namespace pellory {

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kRecordBytes = AutoLimitRecord::kLength;
constexpr std::int16_t kLastChannel = 511;
constexpr int kTooManyFiles = 67;

const char* const kCantOpen = "Can't open file.";
const char* const kInCloseFile = " Error in CloseFile ";
const char* const kInSearchFile = " Error in SearchFile ";
const char* const kInSave = " Error in SaveCurrentRecord. ";
const char* const kInShow = " Error in ShowCurrentRecord. ";
const char* const kInDelete = " Error in Delete. ";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Whole records in `bytes`, to the nearest, a half going to the even neighbour.
std::int32_t RecordsIn(std::uint64_t bytes) {
    std::uint64_t count = bytes / kRecordBytes;
    const std::uint64_t rest = bytes % kRecordBytes;
    if (2 * rest > kRecordBytes || (2 * rest == kRecordBytes && count % 2 == 1)) {
        ++count;
    }
    if (count > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        Raise(err::kOverflow);
    }
    return static_cast<std::int32_t>(count);
}

std::uint64_t OffsetOf(std::int32_t number) {
    if (number < 1) {
        Raise(err::kBadRecordNumber);
    }
    return static_cast<std::uint64_t>(number - 1) * kRecordBytes;
}

// The scratch files of a table's deletions: "Temp.tmp-AutoMax.DAT-" and a unique ending.
std::string ScratchPrefixOf(const fs::path& table) {
    return std::string(DataFile::kScratchPrefix) + "-" + table.filename().string() + "-";
}

}  // namespace

DataFile::DataFile(Platform& platform)
    : DataFile(platform, std::make_unique<StdFileSystem>(), nullptr) {}

DataFile::DataFile(Platform& platform, FileSystem& files) : DataFile(platform, nullptr, &files) {}

DataFile::DataFile(Platform& platform, std::unique_ptr<FileSystem> own, FileSystem* files)
    : platform_(platform), ownFiles_(std::move(own)), files_(files ? *files : *ownFiles_) {}

DataFile::~DataFile() = default;

fs::path DataFile::Folder() const {
    return folder_ ? *folder_
                   : TableFolder(platform_.ProgramFolder(), UserFolders::FromEnvironment());
}

OpenResult DataFile::OpenFile(const std::string& name, TableAccess access) {
    RecordLength = static_cast<std::int32_t>(kRecordBytes);
    CurrentRecord = 1;
    RecordCount = 1;
    fs::path path = name;
    try {
        FileNum = FreeChannel();
        path = PathOf(name);
        auto file =
            files_.Open(path, access == TableAccess::Edit ? OpenMode::Edit : OpenMode::Lookup);
        RecordCount = std::max(RecordsIn(file->Size()), 1);
        channels_.insert_or_assign(FileNum, std::move(file));
    } catch (const RuntimeError& error) {
        if (access == TableAccess::Lookup && error.Number() == err::kFileNotFound) {
            return OpenResult::Missing;
        }
        platform_.Notify(CantOpenText(path, error));
        return OpenResult::Failed;
    }
    return OpenResult::Opened;
}

void DataFile::CloseFile() {
    ErrorReport::Procedure(platform_, kInCloseFile)([&] { CloseChannel(); });
}

bool DataFile::SearchFile(const std::string& year) {
    bool found = false;
    // A table that cannot be read yields nothing further; one report is enough.
    ErrorReport::Procedure(platform_, kInSearchFile)([&] {
        RecordFile& file = Channel(FileNum);
        for (std::int32_t n = 1; n <= RecordCount && !found; ++n) {
            Buffer = ReadRecord(file, n);
            found = Buffer.Year.Text() == year;
        }
    });
    return found;
}

bool DataFile::SaveCurrentRecord(RecordEditor& editor) {
    const RecordTexts texts = editor.BoxTexts();
    Buffer.Year.Assign(texts[0]);
    Buffer.FirstYearMax.Assign(texts[1]);
    Buffer.SecondYearMax.Assign(texts[2]);
    Buffer.ThirdYearMax.Assign(texts[3]);
    Buffer.FourthYearMax.Assign(texts[4]);
    const bool saved = ErrorReport::Procedure(platform_, kInSave)([&] {
        RecordFile& file = Channel(FileNum);
        WriteRecord(file, CurrentRecord, Buffer);
        file.Sync();
    });
    if (saved) {
        editor.ShowNotice("Record Updated.");
    }
    return saved;
}

void DataFile::ShowCurrentRecord(RecordEditor& editor) {
    ErrorReport::Procedure(platform_,
                           kInShow)([&] { Buffer = ReadRecord(Channel(FileNum), CurrentRecord); });
    editor.ShowBoxTexts({Buffer.Year.Trimmed(), Buffer.FirstYearMax.Trimmed(),
                         Buffer.SecondYearMax.Trimmed(), Buffer.ThirdYearMax.Trimmed(),
                         Buffer.FourthYearMax.Trimmed()});
}

void DataFile::Delete(const std::string& name, RecordEditor& editor) {
    if (platform_.AskYesNoCancel("Delete current record?", MsgAnswer::No) != MsgAnswer::Yes) {
        return;
    }
    const std::int32_t deleted = CurrentRecord;
    bool replaced = false;
    bool synced = false;
    ErrorReport::Procedure(platform_, kInDelete)([&] {
        const fs::path table = PathOf(name);
        Rewrite(table, deleted);
        replaced = true;
        files_.SyncFolder(table.parent_path());
        synced = true;
    });
    if (!replaced) {
        return;
    }
    RecordCount = std::max(RecordsOnFile(), 1);
    CurrentRecord = std::min(deleted, RecordCount);
    ShowCurrentRecord(editor);
    // "Record Deleted" only once the replaced table is on the disk.
    if (synced) {
        editor.ShowNotice("Record Deleted");
    }
}

fs::path DataFile::PathOf(const std::string& name) const {
    const fs::path folder = Folder();
    // A table's name in any letter case (the editor's Delete spells them "Automax.dat" and
    // "Electric.Dat") means the file that its own spelling opens, never a file that differs from
    // that one only in letter case.
    std::string table = name;
    for (const char* own : {kOrdinaryTable, kCleanFuelTable}) {
        if (EqualsIgnoringCase(name, own)) {
            table = own;
        }
    }
    std::optional<std::string> match;
    bool tableFound = false;
    for (const auto& entry : files_.List(folder)) {
        if (entry == name) {
            return folder / entry;
        }
        tableFound = tableFound || entry == table;
        if (EqualsIgnoringCase(entry, name) && (!match || entry < *match)) {
            match = entry;
        }
    }
    if (tableFound) {
        return folder / table;
    }
    return folder / (match ? *match : name);
}

std::int16_t DataFile::FreeChannel() const {
    for (std::int16_t n = 1; n <= kLastChannel; ++n) {
        if (!channels_.contains(n)) {
            return n;
        }
    }
    throw RuntimeError(kTooManyFiles, "Too many files");
}

RecordFile& DataFile::Channel(std::int16_t number) const {
    const auto it = channels_.find(number);
    if (it == channels_.end()) {
        Raise(err::kBadFileName);
    }
    return *it->second;
}

AutoLimitRecord DataFile::ReadRecord(RecordFile& file, std::int32_t number) {
    AutoLimitRecord::Bytes bytes{};
    const std::size_t got = file.Read(OffsetOf(number), bytes);
    return AutoLimitRecord::FromBytes(std::span<const char>(bytes.data(), got));
}

void DataFile::WriteRecord(RecordFile& file, std::int32_t number, const AutoLimitRecord& record) {
    const AutoLimitRecord::Bytes bytes = record.ToBytes();
    file.Write(OffsetOf(number), bytes);
}

std::int32_t DataFile::RecordsOnFile() const {
    try {
        return RecordsIn(Channel(FileNum).Size());
    } catch (const RuntimeError&) {
        return 0;
    }
}

std::vector<std::string> DataFile::Years() const {
    std::vector<std::string> years;
    if (!IsOpen()) {
        return years;
    }
    RecordFile& file = Channel(FileNum);
    const std::int32_t count = RecordsOnFile();
    for (std::int32_t number = 1; number <= count; ++number) {
        years.push_back(ReadRecord(file, number).Year.Trimmed());
    }
    return years;
}

std::string DataFile::CantOpenText(const fs::path& path, const RuntimeError& error) const {
    return std::string(kCantOpen) + " " + path.string() + ": " + error.Description();
}

void DataFile::Rewrite(const fs::path& table, std::int32_t skipped) {
    RecordFile& source = Channel(FileNum);
    if (!source.Writable()) {
        Raise(err::kPermissionDenied);  // a table that may not be written is not replaced either
    }
    // Only the editor that holds the table rewrites it, so a scratch file of this table that is
    // still there is left over from a deletion that was cut short.
    RemoveLeftovers(table);
    ScratchFile copy =
        files_.CreateScratch(table.parent_path(), ScratchPrefixOf(table), source.Permissions());
    try {
        // Every record the file holds now, a short last one filled with zero bytes; a new
        // record that was never saved has nothing to copy.
        const std::uint64_t size = source.Size();
        const auto count = static_cast<std::int32_t>(std::min<std::uint64_t>(
            (size + kRecordBytes - 1) / kRecordBytes, std::numeric_limits<std::int32_t>::max()));
        std::int32_t target = 1;
        for (std::int32_t n = 1; n <= count; ++n) {
            if (n != skipped) {
                WriteRecord(*copy.file, target++, ReadRecord(source, n));
            }
        }
        copy.file->Sync();
        files_.Rename(copy.path, table);
    } catch (const RuntimeError&) {
        try {
            files_.Remove(copy.path);
        } catch (const RuntimeError&) {
            // The next deletion of this table removes it.
        }
        throw;
    }
    // The copy, locked since it was made, is the table now; the one it replaced is let go.
    channels_.insert_or_assign(FileNum, std::move(copy.file));
}

void DataFile::RemoveLeftovers(const fs::path& table) {
    const std::string prefix = ScratchPrefixOf(table);
    for (const auto& entry : files_.List(table.parent_path())) {
        if (entry.starts_with(prefix)) {
            try {
                files_.Remove(table.parent_path() / entry);
            } catch (const RuntimeError&) {
                // A scratch file's name is never used twice, so one left over is in nobody's way.
            }
        }
    }
}

void DataFile::CloseChannel() {
    const auto it = channels_.find(FileNum);
    if (it == channels_.end()) {
        Raise(err::kBadFileName);
    }
    const std::unique_ptr<RecordFile> file = std::move(it->second);
    channels_.erase(it);
    file->Close();
}

}  // namespace pellory
