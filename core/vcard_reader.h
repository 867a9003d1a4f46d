#pragma once
// Reads the contacts of a vCard file (versions 2.1, 3.0 and 4.0) as records
// with the fields of titleLine(): one record for each telephone number of a
// card, or one with an empty number for a card without any.
//
// The file is read in blocks; photos, sounds, keys and other binary values
// pass through without being held, and what a card keeps is bounded, so that
// a file of any size is read in bounded memory.

#include "core/text.h"
#include "core/text_encoding.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vormak {

namespace vcard {
class ContentLines;
struct ContentLine;
} // namespace vcard

class VCardReader {
public:
    // A card whose kept lines (names, telephone numbers, ...) hold more than
    // this is refused instead of being held in memory.
    static constexpr size_t kMaxCardBytes = size_t{1} << 20;

    enum class Status {
        Record,  // `record` holds the next record
        End,     // no further record
        TooLong, // a card over the bound was passed over; reading can go on
        Failed,  // the file could not be read
    };

    // Opens the file; only a plain file opens.
    explicit VCardReader(const std::string& path);
    ~VCardReader();
    VCardReader(const VCardReader&) = delete;
    VCardReader& operator=(const VCardReader&) = delete;

    bool isOpen() const;

    // Reads the next record: as many fields as titleLine() has, in its order.
    Status next(std::vector<Text>& record);

    // The VERSION of the first card read that names one ("2.1", "3.0", "4.0").
    const std::string& versionSeen() const { return version_; }

    // The encoding a result file should be written in to hold the values read
    // so far: UTF-8 with a byte-order mark once a value was UTF-8 (or the
    // file UTF-16), else Shift-JIS.
    Encoding resultEncoding() const;

    // 氏名, フリガナ, 電話番号, 電話種別, メール, 所属.
    static const std::vector<Text>& titleLine();

    // True when the first line that is not blank is BEGIN:VCARD (in any
    // letter case, after a byte-order mark if there is one).
    static bool looksLikeVCard(const std::string& path);
    static bool looksLikeVCardStart(std::string_view firstBytes);

private:
    struct Card;
    Status readCard();
    void decodeCard(const std::vector<vcard::ContentLine>& lines, std::string_view version);
    Text decodeValue(const vcard::ContentLine& line, std::string_view version);
    Encoding fileEncoding();

    std::string path_;
    std::unique_ptr<vcard::ContentLines> lines_;
    std::unique_ptr<Card> card_;
    std::string version_;
    std::optional<Encoding> fileEncoding_; // of 2.1 values without CHARSET, once needed
    bool beginSeen_ = false;               // a BEGIN:VCARD ended the last card and begins the next
    bool ended_ = false;
    bool unicodeValues_ = false, legacyValues_ = false;
};

} // namespace vormak
