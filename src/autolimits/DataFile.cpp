#include "autolimits/DataFile.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <utility>

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

}  // namespace

DataFile::DataFile(Platform& platform)
    : DataFile(platform, std::make_unique<StdFileSystem>(), nullptr) {}

DataFile::DataFile(Platform& platform, FileSystem& files) : DataFile(platform, nullptr, &files) {}

DataFile::DataFile(Platform& platform, std::unique_ptr<FileSystem> own, FileSystem* files)
    : platform_(platform), ownFiles_(std::move(own)), files_(files ? *files : *ownFiles_) {}

DataFile::~DataFile() = default;

void DataFile::OpenFile(const std::string& name) {
    const auto step = [this](auto&& action) {
        try {
            action();
        } catch (const RuntimeError&) {
            platform_.Notify(kCantOpen);
        }
    };
    RecordLength = static_cast<std::int32_t>(kRecordBytes);
    step([&] { FileNum = FreeChannel(); });
    step([&] {
        if (channels_.contains(FileNum)) {
            Raise(err::kBadFileName);
        }
        auto file = files_.Open(PathOf(name), OpenMode::Update);
        channels_.insert_or_assign(FileNum, std::move(file));
    });
    CurrentRecord = 1;
    step([&] { RecordCount = RecordsIn(Channel(FileNum).Size()); });
    if (RecordCount == 0) {
        RecordCount = 1;
    }
}

void DataFile::CloseFile() {
    try {
        CloseChannel();
    } catch (const RuntimeError& error) {
        Report(error, kInCloseFile);
    }
}

bool DataFile::SearchFile(const std::string& year) {
    try {
        RecordFile& file = Channel(FileNum);
        for (std::int32_t n = 1; n <= RecordCount; ++n) {
            Buffer = ReadRecord(file, n);
            if (Buffer.Year.Text() == year) {
                return true;
            }
        }
    } catch (const RuntimeError& error) {
        // A table that cannot be read yields nothing further; one report is enough.
        Report(error, kInSearchFile);
    }
    return false;
}

bool DataFile::SaveCurrentRecord(RecordEditor& editor) {
    const RecordTexts texts = editor.BoxTexts();
    Buffer.Year.Assign(texts[0]);
    Buffer.FirstYearMax.Assign(texts[1]);
    Buffer.SecondYearMax.Assign(texts[2]);
    Buffer.ThirdYearMax.Assign(texts[3]);
    Buffer.FourthYearMax.Assign(texts[4]);
    try {
        WriteRecord(Channel(FileNum), CurrentRecord, Buffer);
    } catch (const RuntimeError& error) {
        Report(error, kInSave);
        return false;
    }
    editor.ShowNotice("Record Updated.");
    return true;
}

void DataFile::ShowCurrentRecord(RecordEditor& editor) {
    try {
        Buffer = ReadRecord(Channel(FileNum), CurrentRecord);
    } catch (const RuntimeError& error) {
        Report(error, kInShow);
    }
    editor.ShowBoxTexts({Buffer.Year.Trimmed(), Buffer.FirstYearMax.Trimmed(),
                         Buffer.SecondYearMax.Trimmed(), Buffer.ThirdYearMax.Trimmed(),
                         Buffer.FourthYearMax.Trimmed()});
}

void DataFile::Delete(const std::string& name, RecordEditor& editor) {
    if (platform_.AskYesNoCancel("Delete current record?", MsgAnswer::No) != MsgAnswer::Yes) {
        return;
    }
    const std::int32_t deleted = CurrentRecord;
    const std::int32_t count = RecordCount;
    fs::path table;
    fs::path scratch;
    try {
        table = PathOf(name);
        scratch = PathOf(kScratchName);
        if (files_.Exists(scratch)) {
            files_.Remove(scratch);  // left over from an interrupted deletion
        }
    } catch (const RuntimeError& error) {
        Report(error, kInDelete);
        return;
    }

    bool tableClosed = false;
    try {
        WriteCopy(scratch, deleted);
        tableClosed = true;
        CloseChannel();
        files_.Rename(scratch, table);
    } catch (const RuntimeError& error) {
        // The table is as it was; drop the scratch copy and carry on with the table open.
        Report(error, kInDelete);
        try {
            if (files_.Exists(scratch)) {
                files_.Remove(scratch);
            }
        } catch (const RuntimeError&) {
            // The next deletion removes it first.
        }
        if (tableClosed) {
            OpenFile(name);
            RecordCount = count;
            CurrentRecord = deleted;
        }
        return;
    }

    OpenFile(name);
    CurrentRecord = std::min(deleted, RecordCount);
    ShowCurrentRecord(editor);
    editor.ShowNotice("Record Deleted");
}

fs::path DataFile::PathOf(const std::string& name) const {
    const fs::path folder = platform_.ProgramFolder();
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

void DataFile::Report(const RuntimeError& error, const std::string& fixedText) const {
    platform_.Notify(ProcedureErrorText(error, fixedText));
}

void DataFile::WriteCopy(const fs::path& scratch, std::int32_t skipped) const {
    RecordFile& source = Channel(FileNum);
    const std::uint64_t size = source.Size();
    const auto copy = files_.Open(scratch, OpenMode::Replace);
    std::int32_t target = 1;
    for (std::int32_t n = 1; n <= RecordCount; ++n) {
        // Only records the file holds: a new record that was never saved has nothing to copy.
        if (n == skipped || OffsetOf(n) >= size) {
            continue;
        }
        WriteRecord(*copy, target, ReadRecord(source, n));
        ++target;
    }
    copy->Close();
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
