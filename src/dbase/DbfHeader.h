#pragma once

#include "dbase/File.h"
#include "dbase/RecordView.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dbase {

// A field definition for creating a table.
FieldInfo makeField(const std::string &name, char type, int length, int decimals = 0);

// The .DBF header and field descriptors.
struct DbfHeader
{
    static constexpr uint8_t kVersionPlain = 0x03;
    static constexpr uint8_t kVersionDbase4Memo = 0x8B;
    static constexpr uint8_t kVersionDbase3Memo = 0x83;
    static constexpr uint8_t kLanguageWindowsAnsi = 0x03;
    static constexpr size_t kFixedSize = 32;
    static constexpr size_t kDescriptorSize = 32;
    static constexpr size_t kMaxFields = 255;

    uint8_t version = kVersionPlain;
    uint8_t year = 0; // since 1900
    uint8_t month = 1;
    uint8_t day = 1;
    uint32_t recordCount = 0;
    uint16_t headerLength = 0;
    uint16_t recordLength = 0;
    uint8_t productionIndex = 0;
    uint8_t languageDriver = kLanguageWindowsAnsi;
    std::vector<FieldInfo> fields;

    bool hasMemoFields() const;

    // Checks everything a reader relies on; `bytes` is the start of the file
    // (at least the header when the file is whole), fileSize its whole size.
    static DbfHeader parse(const std::string &bytes, uint64_t fileSize, const std::string &path);
    // Reads and checks the header of an open table file.
    static DbfHeader read(const File &file);

    // A fresh header for these fields, with lengths and offsets filled in.
    static DbfHeader forFields(std::vector<FieldInfo> fields, const std::string &path);

    std::string serialize() const;
    void setToday();
};

} // namespace dbase
